#include "browser/HostInfoFlags.h"
#include "browser/status/BrowserChrome.h"
#include "browser/status/BusyAnimation.h"
#include "browser/status/PageEvents.h"
#include "browser/status/StatusArea.h"
#include "testkit/TabSetRig.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"
#include "ui/CommandIds.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QTest>

class PageEventsTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { failOnQtWarnings(); }

    void aBackgroundTabChangesOnlyItsOwnTab()
    {
        TabSetRig rig;
        rig.openLoaded({QStringLiteral("https://front.test/")});
        rig.tabs().AddBrowserTab(QStringLiteral("http://back.test/"));
        rig.fake(1)->loadPage(QUrl(QStringLiteral("http://back.test/")), QStringLiteral("Back page"));
        rig.tabs().SelectTab(0);
        rig.fake(0)->raiseProgressChange(40, 100);
        rig.fake(0)->raiseStatusTextChange(QStringLiteral("front status"));
        const QString title = rig.window.windowTitle();

        FakeControl *back = rig.fake(1);
        QVERIFY(back->raiseBeforeNavigate(QUrl(QStringLiteral("http://back.test/next"))));
        QCOMPARE(rig.caption(1), QStringLiteral("Loading ..."));
        back->raiseProgressChange(90, 100);
        back->raiseStatusTextChange(QStringLiteral("back status"));
        back->setUrl(QUrl(QStringLiteral("http://back.test/next")));
        back->raiseNavigateComplete(QUrl(QStringLiteral("http://back.test/next")));
        back->raiseTitleChange(QStringLiteral("Next page"));
        back->raiseHistoryChange(true, false);
        back->setTitle(QStringLiteral("Next page"));
        back->raiseDocumentComplete(QUrl(QStringLiteral("http://back.test/next")));

        QCOMPARE(rig.caption(1), QStringLiteral("Next page"));
        QCOMPARE(rig.caption(0), QStringLiteral("Title of https://front.test/"));
        QCOMPARE(rig.window.windowTitle(), title);
        QCOMPARE(rig.browser->cboURLAddress()->currentText(), QStringLiteral("https://front.test/"));
        QVERIFY(rig.browser->status()->isLockShown());
        QCOMPARE(rig.browser->status()->gauge(), 40);
        QCOMPARE(rig.browser->status()->panelText(), QStringLiteral("front status"));
        QVERIFY(!rig.command(CommandIds::Back)->isEnabled());
        QVERIFY(rig.tabs().tabAt(1)->BackAvailable);

        rig.tabs().SelectTab(1);
        QVERIFY(rig.command(CommandIds::Back)->isEnabled());
    }

    void theActiveTabDrivesTheWindow()
    {
        TabSetRig rig;
        rig.tabs().AddBrowserTab(QStringLiteral("https://x.test/"));
        FakeControl *page = rig.fake(0);
        page->raiseBeforeNavigate(QUrl(QStringLiteral("https://x.test/")));
        QVERIFY(rig.browser->Animate1()->isPlaying());
        page->setUrl(QUrl(QStringLiteral("https://x.test/")));
        const int focusBefore = page->focusCalls;
        page->raiseNavigateComplete(QUrl(QStringLiteral("https://x.test/")));
        QCOMPARE(rig.browser->cboURLAddress()->currentText(), QStringLiteral("https://x.test/"));
        QVERIFY(rig.browser->status()->isLockShown());
        QCOMPARE(page->focusCalls, focusBefore + 1);
        page->raiseTitleChange(QStringLiteral("X"));
        QCOMPARE(rig.window.windowTitle(), QStringLiteral("Kestrel Browser - [X]"));
        page->raiseStatusTextChange(QStringLiteral("hover"));
        QCOMPARE(rig.browser->status()->panelText(), QStringLiteral("hover"));
        page->raiseHistoryChange(false, true);
        QVERIFY(rig.command(CommandIds::Forward)->isEnabled());
        QVERIFY(!rig.command(CommandIds::Back)->isEnabled());
        page->raiseDocumentComplete(QUrl(QStringLiteral("https://x.test/")));
        QVERIFY(!rig.browser->Animate1()->isPlaying());

        page->raiseNavigateComplete(QUrl(QStringLiteral("http://plain.test/")));
        QVERIFY(!rig.browser->status()->isLockShown());

        QVERIFY(BrowserChrome::isSecureAddress(QStringLiteral("HTTPS://x.test/")));
        QVERIFY(!BrowserChrome::isSecureAddress(QStringLiteral("http://https.test/")));
        QVERIFY(!BrowserChrome::isSecureAddress(QStringLiteral("http")));
    }

    void aTitleThatIsAnAddressLeavesTheTabCaption()
    {
        TabSetRig rig;
        rig.tabs().AddBrowserTab(QStringLiteral("http://x.test/"));
        rig.fake(0)->raiseBeforeNavigate(QUrl(QStringLiteral("http://x.test/")));
        rig.fake(0)->raiseTitleChange(QStringLiteral("See HTTP://x.test/ now"));
        QCOMPARE(rig.caption(0), QStringLiteral("Loading ..."));
        QCOMPARE(rig.window.windowTitle(), QStringLiteral("Kestrel Browser - [See HTTP://x.test/ now]"));
    }

    void longTitlesAreCutToTheSetLength()
    {
        TabSetRig rig;
        rig.tabs().AddBrowserTab(QString());
        const QString title35 = QString(35, QLatin1Char('t'));
        rig.fake(0)->raiseTitleChange(title35);
        QCOMPARE(rig.caption(0), title35);
        rig.fake(0)->raiseTitleChange(title35 + QLatin1Char('!'));
        QCOMPARE(rig.caption(0), title35 + QStringLiteral("..."));
        rig.setSetting(QStringLiteral("TabTitleLength"), QStringLiteral("4"));
        rig.fake(0)->raiseTitleChange(QStringLiteral("Kestrel"));
        QCOMPARE(rig.caption(0), QStringLiteral("Kest..."));
    }

    void theGaugeRoundsHalvesToEven()
    {
        QCOMPARE(PageEvents::gaugePercent(1, 3), 33);
        QCOMPARE(PageEvents::gaugePercent(2, 3), 67);
        QCOMPARE(PageEvents::gaugePercent(1, 8), 12);  // 12.5
        QCOMPARE(PageEvents::gaugePercent(3, 8), 38);  // 37.5
        QCOMPARE(PageEvents::gaugePercent(100, 100), 100);
        QCOMPARE(PageEvents::gaugePercent(50, 0), 0);
        QCOMPARE(PageEvents::gaugePercent(-1, 100), 0);
        QCOMPARE(PageEvents::gaugePercent(0, 100), 0);
        QCOMPARE(PageEvents::gaugePercent(2147483647, 1), 100);

        TabSetRig rig;
        rig.tabs().AddBrowserTab(QString());
        rig.fake(0)->raiseProgressChange(1, 3);
        QCOMPARE(rig.browser->status()->gauge(), 33);
        rig.fake(0)->raiseProgressChange(-1, 100);
        QCOMPARE(rig.browser->status()->gauge(), 0);
    }

    void onlyLeavingForAnotherPageHandsThePageOn()
    {
        TabSetRig rig;
        rig.tabs().AddBrowserTab(QString());
        FakeControl *page = rig.fake(0);
        QSignalSpy leaving(&rig.browser->events(), &PageEvents::PageLeaving);
        QSignalSpy reached(&rig.browser->events(), &PageEvents::PageReached);

        // No page yet: nothing to leave.
        page->loadPage(QUrl(QStringLiteral("http://x.test/a#top")), QStringLiteral("A"));
        QCOMPARE(leaving.count(), 0);
        QCOMPARE(reached.count(), 1);
        QCOMPARE(reached.last().at(1).toString(), QStringLiteral("http://x.test/a#top"));

        page->raiseBeforeNavigate(QUrl(QStringLiteral("http://x.test/a#bottom")));
        QCOMPARE(leaving.count(), 0);
        page->raiseBeforeNavigate(QUrl(QStringLiteral("http://x.test/b")));
        QCOMPARE(leaving.count(), 1);
        QCOMPARE(leaving.last().at(1).toString(), QStringLiteral("http://x.test/a#top"));

        // A frame loading another address counts too, but starts no animation and leaves the
        // caption: the engine reports no completion for frames.
        rig.fake(0)->raiseDocumentComplete(QUrl(QStringLiteral("http://x.test/a#top")));
        rig.tabs().setCaption(rig.tabs().tabAt(0), QStringLiteral("A"));
        page->raiseBeforeNavigate(QUrl(QStringLiteral("http://ads.test/frame")), BrowserFrame::UnnamedSubframe);
        QCOMPARE(leaving.count(), 2);
        QVERIFY(!rig.browser->Animate1()->isPlaying());
        QCOMPARE(rig.caption(0), QStringLiteral("A"));
    }

    void documentCompletionNamesTheTabFromItsPage()
    {
        TabSetRig rig;
        rig.tabs().AddBrowserTab(QString());
        rig.tabs().AddBrowserTab(QString());
        FakeControl *page = rig.fake(1);
        page->raiseBeforeNavigate(QUrl(QStringLiteral("http://x.test/")));
        QVERIFY(rig.browser->Animate1()->isPlaying());

        // Any view's completion stops the one animation; only the page's own names the tab.
        page->setTitle(QStringLiteral("Frame title"));
        rig.fake(0)->raiseDocumentComplete(QUrl(QStringLiteral("http://other.test/")));
        QVERIFY(!rig.browser->Animate1()->isPlaying());
        QCOMPARE(rig.caption(1), QStringLiteral("Loading ..."));
        page->raiseDocumentComplete(QUrl(QStringLiteral("http://x.test/frame")), 3);
        QCOMPARE(rig.caption(1), QStringLiteral("Loading ..."));

        page->setTitle(QStringLiteral("#section"));
        page->raiseDocumentComplete(QUrl(QStringLiteral("http://x.test/")));
        QCOMPARE(rig.caption(1), QStringLiteral("Loading ..."));

        page->setTitle(QString());
        page->setUrl(QUrl(QStringLiteral("http://x.test/files/report.pdf")));
        page->raiseDocumentComplete(QUrl(QStringLiteral("http://x.test/files/report.pdf")));
        QCOMPARE(rig.caption(1), QStringLiteral("report.pdf"));

        // Once the window is closing, completions no longer touch captions.
        rig.closing = true;
        page->setTitle(QStringLiteral("Late"));
        page->raiseDocumentComplete(QUrl(QStringLiteral("http://x.test/")));
        QCOMPARE(rig.caption(1), QStringLiteral("report.pdf"));
    }

    void reportsFromAViewOffTheTabsAreIgnored()
    {
        TabSetRig rig;
        // A tab that loads nothing, so that nothing of its own plays the animation.
        rig.setSetting(QStringLiteral("Homepage"), QString());
        rig.tabs().AddBrowserTab(QString());
        QWidget elsewhere;
        auto *loose = new TKestrelWB(&elsewhere, std::make_unique<FakeControl>());
        rig.browser->events().connectView(loose);
        auto *fake = static_cast<FakeControl *>(loose->control());
        fake->raiseBeforeNavigate(QUrl(QStringLiteral("http://x.test/")));
        fake->raiseStatusTextChange(QStringLiteral("loose"));
        fake->raiseTitleChange(QStringLiteral("Loose"));
        fake->raiseProgressChange(5, 10);
        QVERIFY(!rig.browser->Animate1()->isPlaying());
        QVERIFY(rig.browser->status()->panelText().isEmpty());
        QCOMPARE(rig.browser->status()->gauge(), 0);
        QCOMPARE(rig.caption(0), QStringLiteral("Browser 1 Loading..."));
    }

    void hostInformationIsReadAfreshAtEveryRequest()
    {
        TabSetRig rig;
        rig.tabs().AddBrowserTab(QString());
        FakeControl *page = rig.fake(0);
        QCOMPARE(page->raiseHostInfoRequest(), HostInfoFlags::EnableFormsAutoComplete);
        rig.setSetting(QStringLiteral("3D Border"), QStringLiteral("0"));
        QCOMPARE(page->raiseHostInfoRequest(), quint32(0x4004));
        QCOMPARE(page->hostInfoFlags, quint32(0x4004));
        rig.setSetting(QStringLiteral("Flat Scrollbars"), QStringLiteral("1"));
        rig.setSetting(QStringLiteral("IE Autocomplete"), QStringLiteral("0"));
        QCOMPARE(page->raiseHostInfoRequest(), quint32(0x84));
    }

    void navigationCommandsActOnTheActiveBrowser()
    {
        TabSetRig rig;
        rig.tabs().AddBrowserTab(QString());
        rig.tabs().AddBrowserTab(QString());
        FakeControl *active = rig.fake(1);
        active->raiseHistoryChange(true, true);
        rig.commands.trigger(CommandIds::Back);
        rig.commands.trigger(CommandIds::Forward);
        rig.commands.trigger(CommandIds::Refresh);
        active->raiseBeforeNavigate(QUrl(QStringLiteral("http://x.test/")));
        rig.commands.trigger(CommandIds::Stop);
        QCOMPARE(active->backCalls, 1);
        QCOMPARE(active->forwardCalls, 1);
        QCOMPARE(active->refreshCalls, 1);
        QCOMPARE(active->stopCalls, 1);
        QVERIFY(!rig.browser->Animate1()->isPlaying());
        QCOMPARE(rig.fake(0)->backCalls + rig.fake(0)->refreshCalls + rig.fake(0)->stopCalls, 0);

        // Disabled back and forward do nothing, whatever runs them.
        active->raiseHistoryChange(false, false);
        rig.commands.trigger(CommandIds::Back);
        QCOMPARE(active->backCalls, 1);
    }

    void stopCanBeChosenOnlyWhileAPageLoads()
    {
        TabSetRig rig;
        Command *stop = rig.command(CommandIds::Stop);
        QVERIFY(!stop->isEnabled());
        rig.tabs().AddBrowserTab(QString());
        FakeControl *fake = rig.fake(0);
        fake->raiseBeforeNavigate(QUrl(QStringLiteral("http://x.test/")));
        QVERIFY(stop->isEnabled());
        fake->raiseDocumentComplete(QUrl(QStringLiteral("http://x.test/")));
        QVERIFY(!stop->isEnabled());
        // Stopped by the user, it is greyed again until the next load.
        fake->raiseBeforeNavigate(QUrl(QStringLiteral("http://y.test/")));
        QVERIFY(rig.commands.trigger(CommandIds::Stop));
        QVERIFY(!stop->isEnabled());
        QVERIFY(!rig.commands.trigger(CommandIds::Stop));
        QCOMPARE(fake->stopCalls, 1);
    }
};

KESTREL_TEST(PageEventsTest)
#include "PageEventsTest.moc"
