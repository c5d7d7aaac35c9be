#include "browser/StartPage.h"
#include "browser/status/BusyAnimation.h"
#include "browser/status/StatusArea.h"
#include "browser/tabs/TabMenus.h"
#include "testkit/TabSetRig.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"
#include "ui/CommandIds.h"

#include <QComboBox>
#include <QMenu>
#include <QPointer>
#include <QTest>

class TabSetTest : public QObject
{
    Q_OBJECT

    static QUrl home() { return QUrl(startPageResource()); }

private slots:
    void init() { failOnQtWarnings(); }

    void aNewTabNavigatesAndBecomesActive()
    {
        TabSetRig rig;
        rig.tabs().AddBrowserTab(QStringLiteral("http://example.test/a"));
        QCOMPARE(rig.tabs().count(), 1);
        QCOMPARE(rig.pages().activeIndex(), 0);
        QCOMPARE(rig.caption(0), QStringLiteral("Browser 1 Loading..."));
        QCOMPARE(rig.view(0)->Homepage(), productStartPage());
        // The homepage first, superseded at once by the address.
        QCOMPARE(rig.fake(0)->navigations, (QList<QUrl>{home(), QUrl(QStringLiteral("http://example.test/a"))}));
        QVERIFY(!rig.tabs().tabAt(0)->BackAvailable);
        QVERIFY(!rig.tabs().tabAt(0)->ForwardAvailable);

        rig.tabs().AddBrowserTab(QString(), QStringLiteral("Online Help"));
        QCOMPARE(rig.caption(1), QStringLiteral("Online Help"));
        QCOMPARE(rig.fake(1)->navigations, (QList<QUrl>{home(), home()}));
        rig.tabs().AddBrowserTab(QString());
        QCOMPARE(rig.caption(2), QStringLiteral("Browser 3 Loading..."));
        QCOMPARE(rig.pages().activeIndex(), 2);
        QCOMPARE(rig.tabs().GetActiveBrowser(), rig.view(2));
    }

    void theHomepageSettingIsReadForEveryTab()
    {
        TabSetRig rig;
        rig.setSetting(QStringLiteral("Homepage"), QStringLiteral("http://home.test/"));
        rig.tabs().AddBrowserTab(QString());
        QCOMPARE(rig.view(0)->Homepage(), QStringLiteral("http://home.test/"));

        // An empty homepage: no homepage navigation before the address; Home goes nowhere.
        rig.setSetting(QStringLiteral("Homepage"), QString());
        rig.tabs().AddBrowserTab(QStringLiteral("http://example.test/"));
        QCOMPARE(rig.fake(1)->navigations, QList<QUrl>{QUrl(QStringLiteral("http://example.test/"))});
        // The first tab keeps the homepage it was made with.
        rig.tabs().SelectTab(0);
        rig.commands.trigger(CommandIds::Home);
        QCOMPARE(rig.fake(0)->navigations.last(), QUrl(QStringLiteral("http://home.test/")));
        // The second tab's Home goes nowhere.
        rig.tabs().SelectTab(1);
        rig.commands.trigger(CommandIds::Home);
        QCOMPARE(rig.fake(1)->navigations.size(), 1);
    }

    void theWorkspaceNamesLoadingTabsByTheirAddressAndDownloadsNot()
    {
        TabSetRig rig;
        rig.setSetting(QStringLiteral("Homepage"), QString());
        // An open request's text ends with CR LF.
        rig.tabs().AddBrowserTab(QStringLiteral("http://loading.test/\r\n"));
        rig.tabs().AddBrowserTab(QStringLiteral("http://loaded.test/"));
        rig.fake(1)->loadPage(QUrl(QStringLiteral("http://loaded.test/")), QStringLiteral("Loaded"));
        rig.tabs().AddBrowserTab(QStringLiteral("http://download.test/file.zip"));
        // The engine turned the load into a download: no location, and no longer busy.
        rig.fake(2)->setBusy(false);
        QCOMPARE(rig.tabs().locations(),
                 (QStringList{QStringLiteral("http://loading.test/"), QStringLiteral("http://loaded.test/")}));
    }

    void anEmptyHomepageLeavesTheTabIdle_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("a new tab on no address") << QString();
        QTest::newRow("Home") << CommandIds::Home;
        QTest::newRow("Close All") << CommandIds::CloseAllTabs;
    }

    void anEmptyHomepageLeavesTheTabIdle()
    {
        QFETCH(QString, command);
        TabSetRig rig;
        rig.setSetting(QStringLiteral("Homepage"), QString());
        rig.prompter.queueAnswer(Prompter::Answer::Yes);
        rig.tabs().AddBrowserTab(QString());
        if (!command.isEmpty()) {
            rig.fake(0)->setBusy(false);
            rig.commands.trigger(command);
        }
        rig.tabs().TabSheetShow(0);
        QVERIFY(rig.fake(0)->navigations.isEmpty());
        QVERIFY(!rig.view(0)->Busy());
        QVERIFY(!rig.browser->Animate1()->isPlaying());
    }

    void newTabFallsBackToTheStartPageForABlankHomepage()
    {
        TabSetRig rig;
        rig.setSetting(QStringLiteral("Homepage"), QStringLiteral("   "));
        rig.commands.trigger(CommandIds::NewTab);
        QCOMPARE(rig.tabs().count(), 1);
        QCOMPARE(rig.fake(0)->navigations.last(), home());

        rig.setSetting(QStringLiteral("Homepage"), QStringLiteral("http://home.test/"));
        rig.commands.trigger(CommandIds::NewTab);
        QCOMPARE(rig.fake(1)->navigations.last(), QUrl(QStringLiteral("http://home.test/")));
    }

    void closingTheOnlyTabIsRefusedAndClosingNoTabOpensOne()
    {
        TabSetRig rig;
        rig.commands.trigger(CommandIds::CloseTab);
        QCOMPARE(rig.tabs().count(), 1);
        QCOMPARE(rig.fake(0)->navigations, (QList<QUrl>{home(), home()}));
        QVERIFY(rig.prompter.shown().isEmpty());

        rig.commands.trigger(CommandIds::CloseTab);
        QCOMPARE(rig.tabs().count(), 1);
        QCOMPARE(rig.prompter.texts(), QStringList{QStringLiteral("You must leave at least one browser page open")});
    }

    void closingGoesBackToThePreviouslyShownTab()
    {
        TabSetRig rig;
        rig.openLoaded({QStringLiteral("http://a.test/"), QStringLiteral("http://b.test/"),
                        QStringLiteral("http://c.test/")});
        rig.tabs().SelectTab(0);
        QPointer<BrowserTab> closing = rig.tabs().tabAt(0);
        QPointer<TKestrelWB> closingView = rig.view(0);
        rig.commands.trigger(CommandIds::CloseTab);
        QVERIFY(!closing);
        QVERIFY(!closingView);
        QCOMPARE(rig.tabs().count(), 2);
        // Tab c was shown before a.
        QCOMPARE(rig.tabs().GetActiveBrowser()->LocationURL(), QStringLiteral("http://c.test/"));
    }

    void closingNeverPicksTheClosedTabOrOneBeyondTheEnd()
    {
        TabSetRig rig;
        rig.openLoaded({QStringLiteral("http://a.test/"), QStringLiteral("http://b.test/"),
                        QStringLiteral("http://c.test/"), QStringLiteral("http://d.test/")});
        // d was shown after c: closing d goes to c, which then names the old index of d.
        rig.tabs().CloseActiveTab();
        QCOMPARE(rig.tabs().GetActiveBrowser()->LocationURL(), QStringLiteral("http://c.test/"));
        QCOMPARE(rig.tabs().PreviousTabIndex(), 3);
        rig.tabs().CloseActiveTab();
        QCOMPARE(rig.tabs().count(), 2);
        QCOMPARE(rig.tabs().GetActiveBrowser()->LocationURL(), QStringLiteral("http://b.test/"));

        // Moving the active tab onto the previous tab's index: the neighbour takes over.
        rig.tabs().SelectTab(0); // previous = 1, current = 0
        rig.tabs().MoveActiveTabDown();
        QCOMPARE(rig.pages().activeIndex(), 1);
        rig.tabs().CloseActiveTab();
        QCOMPARE(rig.tabs().count(), 1);
        QCOMPARE(rig.tabs().GetActiveBrowser()->LocationURL(), QStringLiteral("http://b.test/"));
    }

    void closeAllKeepsTheFirstTabOnItsHomepageOnlyOnYes()
    {
        TabSetRig rig;
        rig.openLoaded({QStringLiteral("http://a.test/"), QStringLiteral("http://b.test/"),
                        QStringLiteral("http://c.test/")});
        for (Prompter::Answer answer : {Prompter::Answer::No, Prompter::Answer::Cancel}) {
            rig.prompter.queueAnswer(answer);
            rig.commands.trigger(CommandIds::CloseAllTabs);
            QCOMPARE(rig.tabs().count(), 3);
        }
        rig.prompter.queueAnswer(Prompter::Answer::Yes);
        rig.commands.trigger(CommandIds::CloseAllTabs);
        QCOMPARE(rig.tabs().count(), 1);
        QCOMPARE(rig.pages().activeIndex(), 0);
        QCOMPARE(rig.view(0)->LocationURL(), QStringLiteral("http://a.test/"));
        QCOMPARE(rig.fake(0)->navigations.last(), home());
        QCOMPARE(rig.prompter.texts().last(), QStringLiteral("Are you sure you want to close all browser tabs?"));
        QCOMPARE(rig.prompter.shown().last().kind, ScriptedPrompter::Kind::Question);
    }

    void movingAndSteppingStopAtTheEndsOrWrap()
    {
        TabSetRig rig;
        rig.openLoaded({QStringLiteral("http://a.test/"), QStringLiteral("http://b.test/"),
                        QStringLiteral("http://c.test/")});
        BrowserTab *c = rig.tabs().tabAt(2);
        rig.commands.trigger(CommandIds::TabDown);
        QCOMPARE(rig.tabs().tabAt(2), c);
        rig.commands.trigger(CommandIds::TabUp);
        QCOMPARE(rig.tabs().tabAt(1), c);
        QCOMPARE(rig.tabs().activeTab(), c);
        rig.commands.trigger(CommandIds::TabUp);
        rig.commands.trigger(CommandIds::TabUp);
        QCOMPARE(rig.tabs().tabAt(0), c);

        rig.commands.trigger(CommandIds::PreviousTab);
        QCOMPARE(rig.pages().activeIndex(), 2);
        rig.commands.trigger(CommandIds::NextTab);
        QCOMPARE(rig.pages().activeIndex(), 0);
        rig.commands.trigger(CommandIds::NextTab);
        QCOMPARE(rig.pages().activeIndex(), 1);
    }

    void aPositionChangeRecreatesTheTabsOnTheirAddresses()
    {
        TabSetRig rig;
        rig.openLoaded({QStringLiteral("http://a.test/"), QStringLiteral("http://b.test/"),
                        QStringLiteral("http://c.test/")});
        rig.tabs().SelectTab(0);
        rig.fake(0)->raiseHistoryChange(true, true);
        QVERIFY(rig.command(CommandIds::Back)->isEnabled());
        QPointer<BrowserTab> old = rig.tabs().tabAt(0);

        rig.commands.trigger(CommandIds::TabBottom);
        QVERIFY(!old);
        QCOMPARE(rig.tabs().count(), 3);
        const QStringList addresses{QStringLiteral("http://a.test/"), QStringLiteral("http://b.test/"),
                                    QStringLiteral("http://c.test/")};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(rig.fake(i)->navigations.last(), QUrl(addresses[i]));
            QCOMPARE(rig.caption(i), QStringLiteral("Browser %1 Loading...").arg(i + 1));
        }
        QCOMPARE(rig.pages().activeIndex(), 2);
        QVERIFY(!rig.command(CommandIds::Back)->isEnabled());
        QVERIFY(!rig.command(CommandIds::Forward)->isEnabled());
        QCOMPARE(rig.pages().tabPosition(), PageControl::TabPosition::Bottom);
        QVERIFY(rig.pages().ownerDraw());

        // A tab still on an empty page comes back on the homepage.
        rig.tabs().AddBrowserTab(QString());
        rig.commands.trigger(CommandIds::TabLeft);
        QCOMPARE(rig.tabs().count(), 4);
        QCOMPARE(rig.fake(3)->navigations, (QList<QUrl>{home(), home()}));
        QVERIFY(!rig.pages().ownerDraw());
        // Position commands rebuild even when nothing changes.
        QPointer<BrowserTab> first = rig.tabs().tabAt(0);
        rig.commands.trigger(CommandIds::TabLeft);
        QVERIFY(!first);
    }

    void lineModeCommandsAreIgnoredWhenTheyChangeNothingOrTabsAreAtTheSide()
    {
        TabSetRig rig;
        rig.openLoaded({QStringLiteral("http://a.test/")});
        QPointer<BrowserTab> tab = rig.tabs().tabAt(0);
        rig.commands.trigger(CommandIds::SingleLine);
        QVERIFY(tab);
        rig.commands.trigger(CommandIds::MultiLine);
        QVERIFY(!tab);
        QVERIFY(rig.pages().multiLine());
        tab = rig.tabs().tabAt(0);
        rig.commands.trigger(CommandIds::MultiLine);
        QVERIFY(tab);

        rig.commands.trigger(CommandIds::TabRight);
        tab = rig.tabs().tabAt(0);
        rig.tabs().SetMultiLine(false);
        QVERIFY(tab);
        QVERIFY(rig.pages().multiLine());

        // The menus show it: single line disabled, multi line and right checked.
        rig.browser->menus().PopupMenuTabSheet()->aboutToShow();
        QVERIFY(!rig.command(CommandIds::SingleLine)->isEnabled());
        QVERIFY(rig.command(CommandIds::MultiLine)->isChecked());
        QVERIFY(!rig.command(CommandIds::SingleLine)->isChecked());
        QVERIFY(rig.command(CommandIds::TabRight)->isChecked());
        QVERIFY(!rig.command(CommandIds::TabTop)->isChecked());
        rig.commands.trigger(CommandIds::TabTop);
        rig.browser->menus().BrowserTabs()->aboutToShow();
        QVERIFY(rig.command(CommandIds::SingleLine)->isEnabled());
        QVERIFY(rig.command(CommandIds::TabTop)->isChecked());
        QVERIFY(!rig.command(CommandIds::TabRight)->isChecked());
    }

    void theStoredArrangementIsTakenAtStartAndNamedAtClose()
    {
        TabSetRig rig;
        TabSet &tabs = rig.tabs();
        tabs.applyStoredArrangement(true, QStringLiteral("BOTTOM"));
        QVERIFY(tabs.isMultiLine());
        QCOMPARE(rig.pages().tabPosition(), PageControl::TabPosition::Bottom);
        QVERIFY(rig.pages().ownerDraw());
        QCOMPARE(tabs.tabPositionName(), QStringLiteral("Bottom"));

        tabs.applyStoredArrangement(false, QStringLiteral("left"));
        QCOMPARE(rig.pages().tabPosition(), PageControl::TabPosition::Left);
        QVERIFY(!rig.pages().ownerDraw());
        QCOMPARE(tabs.tabPositionName(), QStringLiteral("Left"));

        tabs.applyStoredArrangement(false, QStringLiteral("middle"));
        QCOMPARE(rig.pages().tabPosition(), PageControl::TabPosition::Top);
        QVERIFY(!rig.pages().ownerDraw());
        QCOMPARE(tabs.tabPositionName(), QStringLiteral("Top"));
    }

    void theTabsMenuListsEveryTabAfterItsFixedEntries()
    {
        TabSetRig rig;
        rig.tabs().AddBrowserTab(QString());
        rig.tabs().AddBrowserTab(QString());
        rig.tabs().setCaption(rig.tabs().tabAt(1), QStringLiteral("Q&A"));
        rig.tabs().SelectTab(0);
        QMenu *menu = rig.browser->menus().PopupMenuTabs();
        for (int round = 0; round < 2; ++round) {
            menu->aboutToShow();
            const QList<QAction *> entries = menu->actions();
            QCOMPARE(entries.size(), 5);
            QCOMPARE(entries[0]->text(), QStringLiteral("&Close Visible Browser Tab"));
            QCOMPARE(entries[1]->text(), QStringLiteral("Close &All Open Tabs"));
            QVERIFY(entries[2]->isSeparator());
            QCOMPARE(entries[3]->text(), QStringLiteral("&1 Browser 1 Loading..."));
            QVERIFY(entries[3]->isChecked());
            QCOMPARE(entries[4]->text(), QStringLiteral("&2 Q&&A"));
            QVERIFY(!entries[4]->isChecked());
        }
        menu->actions()[4]->trigger();
        QCOMPARE(rig.pages().activeIndex(), 1);
    }

    void theSheetPopupHoldsItsEntriesInOrder()
    {
        TabSetRig rig;
        QMenu *popup = rig.browser->menus().PopupMenuTabSheet();
        QStringList texts;
        for (QAction *action : popup->actions())
            texts << action->text();
        QCOMPARE(texts, (QStringList{QStringLiteral("&Close Top Page"), QStringLiteral("&New Page"),
                                     QStringLiteral("Arrange &Browser Tabs")}));
        texts.clear();
        for (QAction *action : popup->actions().last()->menu()->actions())
            texts << action->text();
        QCOMPARE(texts, (QStringList{QStringLiteral("Single Line"), QStringLiteral("Multi Line"), QString(),
                                     QStringLiteral("Top"), QStringLiteral("Bottom"), QStringLiteral("Left"),
                                     QStringLiteral("Right")}));
        rig.tabs().AddBrowserTab(QString());
        QCOMPARE(rig.tabs().tabAt(0)->popupMenu(), popup);
    }

    void aPageClosingItsWindowClosesOnlyItsOwnTab()
    {
        TabSetRig rig;
        rig.openLoaded({QStringLiteral("http://a.test/"), QStringLiteral("http://b.test/"),
                        QStringLiteral("http://c.test/")});
        QPointer<TKestrelWB> background = rig.view(0);
        rig.fake(0)->raiseWindowCloseRequested();
        // The request is taken once the engine's event is over.
        QVERIFY(background);
        QCoreApplication::processEvents();
        QVERIFY(!background);
        QCOMPARE(rig.tabs().count(), 2);
        QCOMPARE(rig.tabs().GetActiveBrowser()->LocationURL(), QStringLiteral("http://c.test/"));

        rig.fake(1)->raiseWindowCloseRequested();
        QCoreApplication::processEvents();
        QCOMPARE(rig.tabs().count(), 1);
        QCOMPARE(rig.tabs().GetActiveBrowser()->LocationURL(), QStringLiteral("http://b.test/"));

        rig.fake(0)->raiseWindowCloseRequested();
        QCoreApplication::processEvents();
        QCOMPARE(rig.tabs().count(), 1);
        QCOMPARE(rig.prompter.texts(), QStringList{QStringLiteral("You must leave at least one browser page open")});
    }

    void showingATabBringsItsStateToTheWindow()
    {
        TabSetRig rig;
        rig.openLoaded({QStringLiteral("https://secure.test/"), QStringLiteral("http://plain.test/")});
        rig.fake(0)->raiseHistoryChange(true, false);
        rig.fake(0)->setBusy(true);
        rig.browser->status()->setGauge(70);
        QVERIFY(!rig.command(CommandIds::Back)->isEnabled());

        rig.tabs().SelectTab(0);
        QCOMPARE(rig.window.windowTitle(), QStringLiteral("Kestrel Browser - [Title of https://secure.test/]"));
        QCOMPARE(rig.browser->cboURLAddress()->currentText(), QStringLiteral("https://secure.test/"));
        QVERIFY(rig.browser->status()->isLockShown());
        QCOMPARE(rig.browser->status()->gauge(), 0);
        QVERIFY(rig.command(CommandIds::Back)->isEnabled());
        QVERIFY(!rig.command(CommandIds::Forward)->isEnabled());
        QVERIFY(rig.browser->Animate1()->isPlaying());
        QVERIFY(rig.fake(0)->focusCalls > 0);
        QCOMPARE(rig.tabs().CurrentTabIndex(), 0);
        QCOMPARE(rig.tabs().PreviousTabIndex(), 1);

        rig.tabs().SelectTab(1);
        QVERIFY(!rig.browser->status()->isLockShown());
        QVERIFY(!rig.command(CommandIds::Back)->isEnabled());
        QVERIFY(!rig.browser->Animate1()->isPlaying());
        QCOMPARE(rig.browser->cboURLAddress()->currentText(), QStringLiteral("http://plain.test/"));
    }
};

KESTREL_TEST(TabSetTest)
#include "TabSetTest.moc"
