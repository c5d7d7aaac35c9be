#include "browser/StartPage.h"
#include "browser/TKestrelWB.h"
#include "browser/TabbedBrowser.h"
#include "browser/TfrmKestrelBrowser.h"
#include "testkit/FakeControl.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"
#include "ui/ButtonBar.h"
#include "ui/CommandIds.h"
#include "ui/WindowChrome.h"

#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>

namespace {
QStringList captions(const QList<QAction *> &actions)
{
    QStringList texts;
    for (QAction *action : actions)
        texts << action->text();
    return texts;
}

QMenu *menuNamed(TfrmKestrelBrowser &window, const QString &title)
{
    for (QAction *action : window.chrome().ToolBarMain()->actions()) {
        if (action->text() == title)
            return action->menu();
    }
    return nullptr;
}

std::unique_ptr<TfrmKestrelBrowser> makeWindow()
{
    return std::make_unique<TfrmKestrelBrowser>([] { return std::make_unique<FakeControl>(); });
}
}

// The tab set as part of the main window: its menus and buttons, its keys, and the tab
// arrangement kept with the window's settings.
class MainWindowTabsTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        failOnQtWarnings();
        SettingsStore().clearSection(SettingsStore::MainSection);
    }

    void menusAndButtonsCarryTheirCaptions()
    {
        auto window = makeWindow();
        QMenu *file = menuNamed(*window, QStringLiteral("&File"));
        QVERIFY(file);
        QCOMPARE(captions(file->actions()),
                 (QStringList{QStringLiteral("&New"), QStringLiteral("&Open"), QStringLiteral("&Save As"),
                              QStringLiteral("Form Data"), QStringLiteral("&Close Page"), QString(),
                              QStringLiteral("View Web Page As Text"), QStringLiteral("Proper&ties"),
                              QStringLiteral("Page Set&up"), QStringLiteral("&Print"), QString(),
                              QStringLiteral("Update Search &List"), QString(), QStringLiteral("E&xit")}));
        QCOMPARE(captions(file->actions().first()->menu()->actions()), (QStringList{QStringLiteral("&Browser Tab"), QStringLiteral("Post Note")}));
        QCOMPARE(file->actions().first()->menu()->actions().first()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));

        QMenu *view = menuNamed(*window, QStringLiteral("&View"));
        QCOMPARE(captions(view->actions()),
                 (QStringList{QStringLiteral("&Toolbars"), QStringLiteral("&Browser Tabs"),
                              QStringLiteral("&Window Size"), QStringLiteral("&Page Format"), QString(),
                              QStringLiteral("F&ullscreen"),
                              QStringLiteral("&Favorites"), QStringLiteral("Sour&ce"), QString(), QStringLiteral("&Refresh"), QStringLiteral("&Stop"),
                              QString(), QStringLiteral("&Internet Options...")}));
        QCOMPARE(captions(view->actions()[1]->menu()->actions()),
                 (QStringList{QStringLiteral("&Single Line"), QStringLiteral("&Multi Line"), QString(),
                              QStringLiteral("&Top"), QStringLiteral("&Bottom"), QStringLiteral("&Left"),
                              QStringLiteral("&Right")}));
        QMenu *go = menuNamed(*window, QStringLiteral("&Go"));
        QCOMPARE(captions(go->actions()),
                 (QStringList{QStringLiteral("&Back"), QStringLiteral("&Forward"), QString(),
                              QStringLiteral("&Home Page"), QString(), QStringLiteral("&My Computer"),
                              QStringLiteral("&Desktop"), QStringLiteral("&Start Menu"),
                              QStringLiteral("B&rowse For Folder...")}));
        QVERIFY(!go->actions()[0]->isEnabled());
        QVERIFY(!go->actions()[1]->isEnabled());
        QVERIFY(menuNamed(*window, QStringLiteral("&Tabs")));

        QToolBar *buttons = window->chrome().ToolBar2();
        QStringList hints;
        for (QAction *action : buttons->actions())
            hints << (action->isSeparator() ? QString() : action->toolTip());
        QCOMPARE(hints, (QStringList{QStringLiteral("Back"), QStringLiteral("Forward"), QStringLiteral("Stop"),
                                     QStringLiteral("Refresh"), QStringLiteral("Home"), QString(),
                                     QStringLiteral("Search"), QStringLiteral("Favorties"), QStringLiteral("Mail"),
                                     QStringLiteral("Print"), QStringLiteral("Add Note"), QStringLiteral("Spell Check"),
                                     QStringLiteral("Fullscreen View"), QString(),
                                     QStringLiteral("New Tab"), QStringLiteral("Move Active Tab Up"),
                                     QStringLiteral("Move Active Tab Down"), QStringLiteral("Previous Tab"),
                                     QStringLiteral("Next Tab"), QStringLiteral("Remove Active Tab")}));
        QCOMPARE(buttons->actions()[14]->text(), QStringLiteral("New Tab"));
        QCOMPARE(buttons->actions().last()->text(), QStringLiteral("Close Tab"));
    }

    void windowKeysReachTheActiveBrowserFromThePage()
    {
        auto window = makeWindow();
        window->AddBrowserTab(QStringLiteral("http://a.test/"));
        TKestrelWB *view = window->GetActiveBrowser();
        auto *fake = static_cast<FakeControl *>(view->control());
        QWidget *page = fake->widget();
        fake->loadPage(QUrl(QStringLiteral("http://a.test/")), QStringLiteral("A"));

        QTest::keyClick(page, Qt::Key_F5);
        QCOMPARE(fake->refreshCalls, 1);
        // Esc stops a load; with nothing loading Stop is greyed and the key does nothing.
        QTest::keyClick(page, Qt::Key_Escape);
        QCOMPARE(fake->stopCalls, 0);
        fake->raiseBeforeNavigate(QUrl(QStringLiteral("http://a.test/next")));
        QTest::keyClick(page, Qt::Key_Escape);
        QCOMPARE(fake->stopCalls, 1);
        QTest::keyClick(page, Qt::Key_F5, Qt::ShiftModifier);
        QCOMPARE(fake->refreshCalls, 1);
        QTest::keyClick(page, Qt::Key_F8);
        QVERIFY(window->chrome().isFullScreen());
        QTest::keyClick(page, Qt::Key_F8);
        QVERIFY(!window->chrome().isFullScreen());
        QTest::keyClick(page, Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(fake->navigations.last(), QUrl::fromUserInput(engineAddressOf(view->Homepage())));
        QTest::keyClick(page, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(window->tabbedBrowser().tabs().count(), 2);
    }

    void theTabArrangementIsReadAtCreationAndWrittenAtClose()
    {
        {
            SettingsStore store;
            store.writeString(SettingsStore::MainSection, QStringLiteral("Tab Position"), QStringLiteral("BOTTOM"));
            store.writeString(SettingsStore::MainSection, QStringLiteral("Tab Multiline"), QStringLiteral("1"));
        }
        auto window = makeWindow();
        TabSet &tabs = window->tabbedBrowser().tabs();
        QCOMPARE(tabs.pages().tabPosition(), PageControl::TabPosition::Bottom);
        QVERIFY(tabs.pages().ownerDraw());
        QVERIFY(tabs.isMultiLine());
        QCOMPARE(tabs.count(), 0);

        window->commands().trigger(CommandIds::TabRight);
        window->commands().trigger(CommandIds::SingleLine); // ignored at the side
        window->close();
        SettingsStore store;
        QCOMPARE(store.readString(SettingsStore::MainSection, QStringLiteral("Tab Position")), QStringLiteral("Right"));
        QCOMPARE(store.readString(SettingsStore::MainSection, QStringLiteral("Tab Multiline")), QStringLiteral("1"));
        QVERIFY(window->Closing);
    }
};

KESTREL_TEST(MainWindowTabsTest)
#include "MainWindowTabsTest.moc"
