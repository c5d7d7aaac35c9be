#include "browser/HostInfoFlags.h"
#include "browser/TKestrelWB.h"
#include "browser/engine/EnginePage.h"
#include "browser/engine/EngineWindow.h"
#include "browser/engine/WebEngineControl.h"
#include "testkit/LoopbackServer.h"
#include "testkit/TestRegistry.h"
#include "testkit/WaitUntil.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QPointer>

namespace {
constexpr int LoadTimeout = 15000;

QString page(const QString &title, const QString &body = QString())
{
    return QStringLiteral("<!DOCTYPE html><html><head><title>") + title +
           QStringLiteral("</title></head><body>") + body + QStringLiteral("</body></html>");
}

void runScript(TKestrelWB &view, const QString &script)
{
    static_cast<WebEngineControl *>(view.control())->page()->runJavaScript(script);
}

// Waits for the top-level document of the view to complete on an address ending in path.
bool waitForDocument(TKestrelWB &view, const QString &path)
{
    bool done = false;
    auto connection = QObject::connect(&view, &TKestrelWB::DocumentComplete, &view,
                                       [&](TKestrelWB *sender, BrowserFrame frame, const QString &address) {
                                           if (frame == sender->Application() && address.endsWith(path))
                                               done = true;
                                       });
    const bool ok = waitUntil([&] { return done; }, LoadTimeout);
    QObject::disconnect(connection);
    return ok;
}
}

// The browser view on the real engine: events, navigation control and new windows.
class BrowserViewTest : public QObject
{
    Q_OBJECT

    LoopbackServer m_server;

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.isListening());
        m_server.serveHtml(QStringLiteral("/a"), page(QStringLiteral("Page A"), QStringLiteral("<p>A</p>")));
        m_server.serveHtml(QStringLiteral("/b"), page(QStringLiteral("Page B")));
        m_server.serveHtml(QStringLiteral("/c"), page(QStringLiteral("Page C")));
        m_server.serveHtml(QStringLiteral("/popup"), page(QStringLiteral("Popup")));
        m_server.serveHtml(QStringLiteral("/blocked"), page(QStringLiteral("Blocked")));
        m_server.serveHtml(QStringLiteral("/framed"),
                           page(QStringLiteral("Framed"), QStringLiteral("<iframe src=\"/b\"></iframe>")));
        m_server.serveHtml(QStringLiteral("/closer"), page(QStringLiteral("Closer")));
        m_server.serveHtml(QStringLiteral("/image"),
                           page(QStringLiteral("Image"), QStringLiteral("<img src=\"/pixel.png\">")));
        m_server.serve(QStringLiteral("/pixel.png"), QByteArray(), "image/png");
    }

    void oneNavigationRaisesEventsInOrder()
    {
        TKestrelWB view;
        QStringList events;
        view.OnBeforeNavigate2 = [&](TKestrelWB *sender, BrowserFrame frame, const QString &address, bool &) {
            if (frame == sender->Application())
                events << QStringLiteral("before:") + QUrl(address).path();
        };
        connect(&view, &TKestrelWB::NavigateComplete2, this,
                [&](TKestrelWB *, BrowserFrame, const QString &address) {
                    events << QStringLiteral("navigate:") + QUrl(address).path();
                });
        connect(&view, &TKestrelWB::TitleChange, this,
                [&](TKestrelWB *, const QString &title) { events << QStringLiteral("title:") + title; });
        connect(&view, &TKestrelWB::DocumentComplete, this,
                [&](TKestrelWB *, BrowserFrame, const QString &address) {
                    events << QStringLiteral("complete:") + QUrl(address).path();
                });
        QSignalSpy progress(&view, &TKestrelWB::ProgressChange);

        view.Navigate(m_server.url(QStringLiteral("/a")).toString());
        QVERIFY(view.Busy());
        QVERIFY(waitForDocument(view, QStringLiteral("/a")));

        const qsizetype before = events.indexOf(QStringLiteral("before:/a"));
        const qsizetype navigate = events.indexOf(QStringLiteral("navigate:/a"));
        const qsizetype title = events.indexOf(QStringLiteral("title:Page A"));
        const qsizetype complete = events.indexOf(QStringLiteral("complete:/a"));
        QVERIFY2(before >= 0 && before < navigate && navigate < title && title < complete,
                 qPrintable(events.join(QLatin1Char(' '))));
        QVERIFY(!view.Busy());
        QCOMPARE(view.LocationName(), QStringLiteral("Page A"));
        QCOMPARE(view.LocationURL(), m_server.url(QStringLiteral("/a")).toString());
        QVERIFY(!progress.isEmpty());
        // The last report is the load's end, progress -1 ("done"), which empties the gauge.
        QCOMPARE(progress.last().at(1).toInt(), -1);
        QCOMPARE(progress.last().at(2).toInt(), 100);
    }

    void locationIsEmptyBeforeTheFirstPage()
    {
        TKestrelWB view;
        QCOMPARE(view.LocationURL(), QString());
        QVERIFY(!view.Busy());
    }

    void framesAreToldApartFromTheTopLevelPage()
    {
        TKestrelWB view;
        QList<bool> beforeIsTop;
        QStringList frameAddresses;
        view.OnBeforeNavigate2 = [&](TKestrelWB *sender, BrowserFrame frame, const QString &address, bool &) {
            beforeIsTop << (frame == sender->Application());
            if (!(frame == sender->Application()))
                frameAddresses << QUrl(address).path();
        };
        view.Navigate(m_server.url(QStringLiteral("/framed")).toString());
        QVERIFY(waitForDocument(view, QStringLiteral("/framed")));
        QVERIFY(waitUntil([&] { return frameAddresses.contains(QStringLiteral("/b")); }, LoadTimeout));
        QCOMPARE(beforeIsTop.first(), true);
        QVERIFY(beforeIsTop.contains(false));
    }

    void cancelledNavigationNeverLoads()
    {
        TKestrelWB view;
        view.OnBeforeNavigate2 = [](TKestrelWB *, BrowserFrame, const QString &address, bool &cancel) {
            cancel = address.endsWith(QStringLiteral("/blocked"));
        };
        view.Navigate(m_server.url(QStringLiteral("/a")).toString());
        QVERIFY(waitForDocument(view, QStringLiteral("/a")));
        view.Navigate(m_server.url(QStringLiteral("/blocked")).toString());
        view.Navigate(m_server.url(QStringLiteral("/c")).toString());
        QVERIFY(waitForDocument(view, QStringLiteral("/c")));
        QVERIFY(!m_server.requestedPaths().contains(QStringLiteral("/blocked")));
    }

    void historyDrivesBackAndForwardCommands()
    {
        TKestrelWB view;
        bool back = false;
        bool forward = false;
        connect(&view, &TKestrelWB::CommandStateChange, this, [&](TKestrelWB *, int command, bool enable) {
            if (command == 1)
                forward = enable;
            else if (command == 2)
                back = enable;
        });
        view.Navigate(m_server.url(QStringLiteral("/a")).toString());
        QVERIFY(waitForDocument(view, QStringLiteral("/a")));
        QVERIFY(!back && !forward);
        view.Navigate(m_server.url(QStringLiteral("/b")).toString());
        QVERIFY(waitForDocument(view, QStringLiteral("/b")));
        QVERIFY(back && !forward);
        view.GoBack();
        QVERIFY(waitForDocument(view, QStringLiteral("/a")));
        QVERIFY(!back && forward);
        view.GoForward();
        QVERIFY(waitForDocument(view, QStringLiteral("/b")));
        QVERIFY(back && !forward);
    }

    void goHomeOpensTheViewsHomepage()
    {
        TKestrelWB view;
        view.setHomepage(m_server.url(QStringLiteral("/c")).toString());
        view.GoHome();
        QVERIFY(waitForDocument(view, QStringLiteral("/c")));
    }

    void newWindowLoadsInTheViewTheHandlerHandsOver()
    {
        TKestrelWB opener;
        TKestrelWB target;
        opener.OnNewWindow2 = [&](TKestrelWB *, TKestrelWB *&newView, bool &) { newView = &target; };
        opener.Navigate(m_server.url(QStringLiteral("/a")).toString());
        QVERIFY(waitForDocument(opener, QStringLiteral("/a")));
        runScript(opener, QStringLiteral("window.open('/popup')"));
        QVERIFY(waitForDocument(target, QStringLiteral("/popup")));
        QCOMPARE(target.LocationName(), QStringLiteral("Popup"));
        QVERIFY(opener.LocationURL().endsWith(QStringLiteral("/a")));
    }

    void cancelledNewWindowOpensNothing()
    {
        TKestrelWB opener;
        bool asked = false;
        opener.OnNewWindow2 = [&](TKestrelWB *, TKestrelWB *&, bool &cancel) {
            asked = true;
            cancel = true;
        };
        opener.Navigate(m_server.url(QStringLiteral("/a")).toString());
        QVERIFY(waitForDocument(opener, QStringLiteral("/a")));
        const qsizetype windowsBefore = QApplication::topLevelWidgets().size();
        runScript(opener, QStringLiteral("window.open('/popup?cancelled')"));
        QVERIFY(waitUntil([&] { return asked; }, LoadTimeout));
        // A later load of the opener proves the engine had its chance to open the pop-up.
        opener.Navigate(m_server.url(QStringLiteral("/c")).toString());
        QVERIFY(waitForDocument(opener, QStringLiteral("/c")));
        QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
    }

    void unhandledNewWindowOpensAPlainWindow()
    {
        TKestrelWB opener;
        opener.Navigate(m_server.url(QStringLiteral("/a")).toString());
        QVERIFY(waitForDocument(opener, QStringLiteral("/a")));
        runScript(opener, QStringLiteral("window.open('/popup')"));
        EngineWindow *window = nullptr;
        QVERIFY(waitUntil([&] {
            for (QWidget *widget : QApplication::topLevelWidgets())
                if (auto *found = qobject_cast<EngineWindow *>(widget))
                    window = found;
            return window != nullptr;
        }, LoadTimeout));
        QVERIFY(waitUntil([&] { return window->windowTitle() == QStringLiteral("Popup"); }, LoadTimeout));
        QVERIFY(window->isVisible());
        // The page closing its own window closes the plain window.
        QPointer<EngineWindow> guard(window);
        runScript(*window->view(), QStringLiteral("window.close()"));
        QVERIFY(waitUntil([&] { return guard.isNull(); }, LoadTimeout));
    }

    void pageClosingItselfIsReported()
    {
        TKestrelWB view;
        QSignalSpy closing(&view, &TKestrelWB::WindowClosing);
        view.Navigate(m_server.url(QStringLiteral("/closer")).toString());
        QVERIFY(waitForDocument(view, QStringLiteral("/closer")));
        runScript(view, QStringLiteral("window.close()"));
        QVERIFY(closing.wait(LoadTimeout));
    }

    void hostInformationIsAskedAndApplied()
    {
        TKestrelWB view;
        int asked = 0;
        view.OnGetHostInfo = [&](TKestrelWB *) {
            ++asked;
            return HostInfoFlags::No3DBorder;
        };
        QVERIFY(view.frameStyle() != QFrame::NoFrame);
        view.Navigate(m_server.url(QStringLiteral("/a")).toString());
        QVERIFY(waitForDocument(view, QStringLiteral("/a")));
        QVERIFY(asked > 0);
        QCOMPARE(view.frameStyle(), int(QFrame::NoFrame));
    }

    void downloadOptionsWithoutImagesLoadNoImages()
    {
        TKestrelWB view;
        view.setDownloadOptions(DownloadControl::Videos | DownloadControl::BackgroundSounds);
        view.Navigate(m_server.url(QStringLiteral("/image")).toString());
        QVERIFY(waitForDocument(view, QStringLiteral("/image")));
        QVERIFY(!m_server.requestedPaths().contains(QStringLiteral("/pixel.png")));

        view.setDownloadOptions(DownloadControl::Default);
        view.Refresh();
        QVERIFY(waitForDocument(view, QStringLiteral("/image")));
        QVERIFY(waitUntil([&] { return m_server.requestedPaths().contains(QStringLiteral("/pixel.png")); },
                                LoadTimeout));
    }
};

KESTREL_TEST(BrowserViewTest)
#include "BrowserViewTest.moc"
