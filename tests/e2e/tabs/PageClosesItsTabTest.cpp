#include "browser/TKestrelWB.h"
#include "browser/engine/EnginePage.h"
#include "browser/engine/WebEngineControl.h"
#include "browser/page/PageDocument.h"
#include "testkit/LoopbackServer.h"
#include "testkit/TabSetRig.h"
#include "testkit/AppWarnings.h"
#include "testkit/TestRegistry.h"
#include "testkit/WaitUntil.h"

#include <QPointer>
#include <QTest>
#include <QWebEnginePage>

namespace {
constexpr int LoadTimeout = 20000;
constexpr int Rounds = 8;
}

// A page that closes its own window (window.close()) on the real engine: its tab closes, and
// never while a page call or an engine decision waits on that page.
class PageClosesItsTabTest : public QObject
{
    Q_OBJECT

    LoopbackServer m_server;

    QString address(const QString &path) const { return m_server.url(path).toString(); }
    static TabSet::ViewFactory engineViews()
    {
        return [](QWidget *sheet) { return new TKestrelWB(sheet); };
    }
    static QWebEnginePage *pageOf(TKestrelWB *view)
    {
        return static_cast<WebEngineControl *>(view->control())->page();
    }

private slots:
    void init() { failOnAppWarnings(); }

    void initTestCase()
    {
        QVERIFY(m_server.isListening());
        m_server.serveHtml(QStringLiteral("/stay"), QStringLiteral("<title>Stay</title><p>stays</p>"));
        // Closes itself while it loads, with a frame still reporting.
        m_server.serveHtml(QStringLiteral("/closes-while-loading"),
                           QStringLiteral("<title>Closing</title><script>window.close()</script>"
                                          "<iframe src=\"/stay\"></iframe><p>closing</p>"));
        m_server.serveHtml(QStringLiteral("/closes-on-demand"),
                           QStringLiteral("<title>On demand</title><input type=text id=box>"));
    }

    void aPageClosingItselfWhileLoadingClosesItsTab()
    {
        TabSetRig rig(engineViews());
        rig.setSetting(QStringLiteral("Homepage"), QString());
        rig.tabs().AddBrowserTab(address(QStringLiteral("/stay")));
        for (int round = 0; round < Rounds; ++round) {
            rig.tabs().AddBrowserTab(address(QStringLiteral("/closes-while-loading")));
            QCOMPARE(rig.tabs().count(), 2);
            QVERIFY2(waitUntil([&] { return rig.tabs().count() == 1; }, LoadTimeout), qPrintable(QString::number(round)));
        }
        QCOMPARE(rig.view(0)->LocationURL(), address(QStringLiteral("/stay")));
    }

    void aPageClosingItselfDuringAPageCallClosesItsTabAfterTheCall()
    {
        TabSetRig rig(engineViews());
        rig.setSetting(QStringLiteral("Homepage"), QString());
        rig.tabs().AddBrowserTab(address(QStringLiteral("/stay")));
        for (int round = 0; round < Rounds; ++round) {
            rig.tabs().AddBrowserTab(address(QStringLiteral("/closes-on-demand")));
            const QPointer<TKestrelWB> view = rig.view(1);
            QVERIFY(waitUntil([&] { return view && !view->Busy() && view->Document(); }, LoadTimeout));
            // The page closes itself, moves to a fragment and keeps its thread busy, so that the
            // call below waits on it while the engine reports both.
            pageOf(view)->runJavaScript(QStringLiteral(
                "setTimeout(() => { window.close(); location.hash = 'gone'; "
                "const t = Date.now(); while (Date.now() - t < 300); }, 0);"));
            const std::shared_ptr<PageDocument> document = view->Document();
            QVERIFY(document);
            // The tab is still there when the call comes back, and goes afterwards.
            QVERIFY(view);
            document->url();
            QVERIFY(view);
            QVERIFY2(waitUntil([&] { return rig.tabs().count() == 1; }, LoadTimeout), qPrintable(QString::number(round)));
            QVERIFY(!view);
        }
    }
};

KESTREL_TEST(PageClosesItsTabTest)
#include "PageClosesItsTabTest.moc"
