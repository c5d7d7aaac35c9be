#include "browser/TKestrelWB.h"
#include "browser/TabbedBrowser.h"
#include "browser/TfrmKestrelBrowser.h"
#include "browser/page/PageDocument.h"
#include "browser/page/PageElement.h"
#include "browser/page/PageWindow.h"
#include "pagetools/PageAsText.h"
#include "pagetools/PageCommands.h"
#include "shell/DataFolder.h"
#include "shell/TextFile.h"
#include "testkit/FakeControl.h"
#include "testkit/ScriptedPrompter.h"
#include "testkit/TestRegistry.h"
#include "testkit/memorypage/MemoryPageFixture.h"
#include "typing/TypingAidFiles.h"
#include "ui/CommandIds.h"
#include "ui/CommandRegistry.h"
#include "ui/PopupMenuStandard.h"
#include "ui/WindowChrome.h"

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;
using Call = FakeControl::CommandTargetCall;
using CommandTarget::Group;

namespace {
// A main window on fake engine controls with one tab on a loaded page.
struct Window
{
    QList<QPointer<FakeControl>> controls;
    TfrmKestrelBrowser window{[this] {
        auto control = std::make_unique<FakeControl>();
        controls.append(control.get());
        return control;
    }};

    Window()
    {
        window.AddBrowserTab(u"http://a.test/"_s);
        active()->loadPage(QUrl(u"http://a.test/"_s), u"A"_s);
    }
    FakeControl *active() const { return static_cast<FakeControl *>(window.GetActiveBrowser()->control()); }
    bool trigger(const QString &id) { return window.commands().trigger(id); }
    QMenu *menu(const QString &title) const
    {
        for (QAction *action : window.chrome().ToolBarMain()->actions()) {
            if (action->menu() && action->text() == title)
                return action->menu();
        }
        return nullptr;
    }
};
}

// The page commands, menus and typing-aid table as the main window wires them.
class MainWindowPageCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QTest::failOnWarning(QRegularExpression(u"^(?!This plugin does not support ).*"_s));
    }

    void theActiveDocumentIsTheFocusedFrameOfTheActiveBrowser()
    {
        Window w;
        QVERIFY(!w.window.GetActiveDocument());
        MemoryPageFixture fixture;
        const auto top = fixture.load(u"<html><body><iframe id=\"f\" src=\"f.html\"></iframe></body></html>"_s,
                                      {{u"f.html"_s, u"<html><body><input id=\"in\" value=\"x\"/></body></html>"_s}});
        w.active()->setDocument(top);
        QVERIFY(w.window.GetActiveDocument() == top);
        QVERIFY(top->elementById(u"f"_s)->contentWindow()->document()->elementById(u"in"_s)->focus());
        const auto focused = w.window.GetActiveDocument();
        QVERIFY(focused && focused != top && focused->elementById(u"in"_s));

        // The Edit menu asks the focused document when it opens.
        QMenu *edit = w.menu(u"&Edit"_s);
        QVERIFY(edit);
        w.window.commands().find(CommandIds::SelectAll)->setEnabled(false);
        emit edit->aboutToShow();
        QVERIFY(w.window.commands().find(CommandIds::SelectAll)->isEnabled());
        QVERIFY(!w.window.commands().find(CommandIds::Copy)->isEnabled());

        // "View Web Page As Text" writes into the data folder and hands the file to the viewer.
        QStringList opened;
        w.window.pageAsText().setOpener([&](const QString &path) { opened.append(path); });
        QVERIFY(w.trigger(CommandIds::ViewAsText));
        QCOMPARE(opened.size(), 1);
        QCOMPARE(QFileInfo(opened.first()).absolutePath(), QDir(DataFolder::path()).absolutePath());
        QFile::remove(opened.first());
    }

    void commandTargetCommandsReachTheActiveBrowserOnlyWithAPage()
    {
        Window w;
        for (const QString &id : {CommandIds::SaveAs, CommandIds::Print, CommandIds::PageSetup, CommandIds::Properties,
                                  CommandIds::Find, CommandIds::InternetOptions})
            QVERIFY(w.trigger(id));
        const QList<Call> expected{{Group::Standard, 4, 1},  {Group::Standard, 6, 1},   {Group::Standard, 8, 0},
                                   {Group::Standard, 10, 0}, {Group::WebBrowser, 1, 0}, {Group::WebBrowser, 3, 0}};
        QCOMPARE(w.active()->commandTargetCalls, expected);

        // A tab whose page has not arrived yet takes none.
        w.window.AddBrowserTab(u"http://b.test/"_s);
        QVERIFY(w.trigger(CommandIds::Print));
        QVERIFY(w.active()->commandTargetCalls.isEmpty());
    }

    void sourceOpensANewTabAndTheGoMenuOpensFolders()
    {
        Window w;
        FakeControl *first = w.active();
        QVERIFY(w.trigger(CommandIds::ViewSource));
        QCOMPARE(w.controls.size(), 2);
        QCOMPARE(w.active()->navigations.last(), QUrl(u"view-source:http://a.test/"_s));

        QVERIFY(w.trigger(CommandIds::MyComputer));
        QCOMPARE(w.active()->navigations.last(), QUrl(u"file:///"_s));
        QVERIFY(w.trigger(CommandIds::StartMenu));
        const QString applications = qEnvironmentVariable("XDG_DATA_HOME") + u"/applications"_s;
        QCOMPARE(w.active()->navigations.last(), QUrl::fromLocalFile(applications));
        QVERIFY(w.trigger(CommandIds::Desktop));
        QCOMPARE(w.active()->navigations.last(),
                 QUrl::fromLocalFile(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation)));
        // The page the source was taken from stays where it was.
        QCOMPARE(first->navigations.last(), QUrl(u"http://a.test/"_s));
    }

    void openAndBrowseForFolderNavigateToTheChosenPath()
    {
        TKestrelWB view(nullptr, std::make_unique<FakeControl>());
        auto *control = static_cast<FakeControl *>(view.control());
        CommandRegistry commands;
        ScriptedPrompter prompter;
        PageAsText asText(QDir::tempPath(), [](const QString &) {});
        PageCommands::Page page;
        page.activeBrowser = [&view] { return &view; };
        page.activeDocument = [] { return nullptr; };
        page.addBrowserTab = [](const QString &) {};
        PageCommands pageCommands(commands, prompter, std::move(page), asText);

        prompter.queueText(std::nullopt);
        pageCommands.Open1Click();
        prompter.queueText(u"/srv/pages/a b#1.html"_s);
        pageCommands.Open1Click();
        QCOMPARE(control->navigations, QList<QUrl>{QUrl::fromLocalFile(u"/srv/pages/a b#1.html"_s)});
        QCOMPARE(prompter.shown().first().text, PageCommands::OpenFilter);

        prompter.queueText(QString());
        pageCommands.BrowseForFolder1Click();
        prompter.queueText(u"/srv/music"_s);
        pageCommands.BrowseForFolder1Click();
        QCOMPARE(control->navigations.size(), 2);
        QCOMPARE(control->navigations.last(), QUrl(u"file:///srv/music"_s));
    }

    void theAddressBoxMenuActsOnItsSelection()
    {
        Window w;
        QComboBox *box = w.window.tabbedBrowser().cboURLAddress();
        PopupMenuStandard *menu = w.window.PopupMenuStandard();
        box->setEditText(u"http://example.test/"_s);
        box->lineEdit()->deselect();
        menu->PopupMenuStandardPopup(box);
        const auto enabled = [menu](PopupMenuStandard::Tag tag) { return menu->entry(tag)->isEnabled(); };
        QVERIFY(!enabled(PopupMenuStandard::Cut) && !enabled(PopupMenuStandard::Copy));
        QVERIFY(!enabled(PopupMenuStandard::Delete));
        QVERIFY(enabled(PopupMenuStandard::Paste) && enabled(PopupMenuStandard::SelectAll));

        box->lineEdit()->setSelection(7, 7);
        menu->PopupMenuStandardPopup(box);
        QVERIFY(enabled(PopupMenuStandard::Cut) && enabled(PopupMenuStandard::Delete));
        menu->run(PopupMenuStandard::Cut);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"example"_s);
        QCOMPARE(box->currentText(), u"http://.test/"_s);

        box->lineEdit()->setSelection(7, 5);
        QGuiApplication::clipboard()->setText(u"other"_s);
        menu->run(PopupMenuStandard::Paste);
        QCOMPARE(box->currentText(), u"http://other/"_s);
        menu->run(PopupMenuStandard::SelectAll);
        QCOMPARE(box->lineEdit()->selectedText(), box->currentText());
        menu->run(PopupMenuStandard::Delete);
        QVERIFY(box->currentText().isEmpty());
    }

    void theTypingAidTableIsReadWhenTheWindowIsMade()
    {
        const QString path = QDir(DataFolder::path()).filePath(TypingAidFiles::QuickLinks);
        QVERIFY(TextFile::writeLines(path, {u"kb=http://kestrel.test/"_s}));
        Window w;
        QCOMPARE(w.window.typingAids().valueOf(u"KB"_s).value_or(QString()), u"http://kestrel.test/"_s);
        QFile::remove(path);
    }
};

KESTREL_TEST(MainWindowPageCommandsTest)
#include "MainWindowPageCommandsTest.moc"
