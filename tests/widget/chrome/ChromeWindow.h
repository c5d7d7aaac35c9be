#pragma once

#include "browser/TfrmKestrelBrowser.h"
#include "shell/DataFolder.h"
#include "shell/Workspace.h"
#include "testkit/FakeControl.h"
#include "ui/ButtonBar.h"
#include "ui/CoolBar.h"
#include "ui/WindowChrome.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>

// A main window on fake engine controls, with helpers to reach its chrome.
struct ChromeWindow
{
    QList<QPointer<FakeControl>> controls;
    TfrmKestrelBrowser window{[this] {
        auto control = std::make_unique<FakeControl>();
        controls.append(control.get());
        return control;
    }};

    WindowChrome &chrome() { return window.chrome(); }
    CoolBar &bands() { return *chrome().CoolBar1(); }
    QStringList bandOrder() const
    {
        QStringList names;
        const BandLayout &layout = window.chrome().CoolBar1()->bands();
        for (int i = 0; i < layout.count(); ++i)
            names << layout.band(i).name;
        return names;
    }
    int bandIndex(const QString &name) { return bands().bands().indexOf(name); }
    const BandLayout::Band &band(const QString &name) { return bands().bands().band(bandIndex(name)); }

    // Opens the menu (its state is set as it opens) and chooses the entry with that caption.
    static bool choose(QMenu *menu, const QString &caption)
    {
        if (!menu)
            return false;
        emit menu->aboutToShow();
        for (QAction *action : menu->actions()) {
            if (action->text() == caption) {
                action->trigger();
                return true;
            }
        }
        return false;
    }
    static QAction *entry(QMenu *menu, const QString &caption)
    {
        for (QAction *action : menu->actions()) {
            if (action->text() == caption)
                return action;
        }
        return nullptr;
    }
    static QStringList captions(const QList<QAction *> &actions)
    {
        QStringList texts;
        for (QAction *action : actions)
            texts << action->text();
        return texts;
    }
    QStringList menuBarCaptions() { return captions(chrome().ToolBarMain()->actions()); }
    QMenu *menu(const QString &caption)
    {
        for (QAction *action : chrome().ToolBarMain()->actions()) {
            if (action->text() == caption)
                return action->menu();
        }
        return nullptr;
    }
    QSize buttonSize(const QString &id) { return chrome().ToolBar2()->button(id)->size(); }
};

// Fails the test on any warning but the offscreen platform's notices of what it cannot do
// (raising windows, size hints, grabbing the keyboard for a popup menu).
inline void failOnChromeWarnings()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support ).*")));
}

// Every window starts from no stored settings and no workspace, unless the test wrote them.
inline void forgetStoredWindow()
{
    SettingsStore().clearSection(SettingsStore::MainSection);
    QFile::remove(DataFolder::path() + QLatin1Char('/') + Workspace::FileName);
}
