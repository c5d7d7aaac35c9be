#pragma once

#include "browser/TKestrelWB.h"
#include "browser/TabbedBrowser.h"
#include "browser/tabs/BrowserTab.h"
#include "browser/tabs/PageControl.h"
#include "shell/SettingsStore.h"
#include "testkit/FakeControl.h"
#include "testkit/ScriptedPrompter.h"
#include "ui/CommandRegistry.h"

#include <QMainWindow>
#include <memory>

// A main window's tab set with scripted dialogs and fresh settings, its views on fake browser
// controls unless a test gives its own view factory.
struct TabSetRig
{
    QMainWindow window;
    CommandRegistry commands;
    SettingsStore settings;
    ScriptedPrompter prompter;
    bool closing = false;
    std::unique_ptr<TabbedBrowser> browser;

    explicit TabSetRig(TabSet::ViewFactory createView = fakeViews())
    {
        settings.clearSection(SettingsStore::MainSection);
        browser = std::make_unique<TabbedBrowser>(
            window, commands, settings, prompter, [this] { return closing; }, std::move(createView));
        browser->selectBusyAnimation();
        window.resize(800, 600);
    }

    static TabSet::ViewFactory fakeViews()
    {
        return [](QWidget *sheet) { return new TKestrelWB(sheet, std::make_unique<FakeControl>()); };
    }

    TabSet &tabs() const { return browser->tabs(); }
    PageControl &pages() const { return tabs().pages(); }
    TKestrelWB *view(int index) const { return tabs().tabAt(index)->browser(); }
    FakeControl *fake(int index) const { return static_cast<FakeControl *>(view(index)->control()); }
    QString caption(int index) const { return pages().caption(index); }
    Command *command(const QString &id) const { return commands.find(id); }
    void setSetting(const QString &key, const QString &value)
    {
        settings.writeString(SettingsStore::MainSection, key, value);
    }
    // Opens tabs on loaded pages.
    void openLoaded(const QStringList &addresses)
    {
        for (const QString &address : addresses) {
            tabs().AddBrowserTab(address);
            fake(tabs().count() - 1)->loadPage(QUrl(address), QStringLiteral("Title of ") + address);
        }
    }
};
