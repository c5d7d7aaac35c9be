#include "browser/TKestrelWB.h"
#include "browser/engine/EnginePage.h"
#include "browser/engine/WebEngineControl.h"
#include "sponsor/TfrmHTMLDialog.h"
#include "testkit/LoopbackServer.h"
#include "testkit/AppWarnings.h"
#include "testkit/TestRegistry.h"
#include "testkit/WaitUntil.h"

#include <QTest>
#include <QWebEnginePage>

namespace {
constexpr int LoadTimeout = 15000;

QString page(const QString &title, const QString &body = QString())
{
    return QStringLiteral("<!DOCTYPE html><html><head><title>") + title + QStringLiteral("</title></head><body>") +
           body + QStringLiteral("</body></html>");
}

bool waitForDocument(TfrmHTMLDialog &dialog, const QString &ending)
{
    return waitUntil([&] { return !dialog.browser()->Busy() && dialog.browser()->LocationURL().endsWith(ending); },
                     LoadTimeout);
}

// The result of a script in the page's own world, or an invalid variant on time-out.
QVariant evaluate(TfrmHTMLDialog &dialog, const QString &script)
{
    QVariant result;
    bool done = false;
    static_cast<WebEngineControl *>(dialog.browser()->control())->page()->runJavaScript(script, [&](const QVariant &value) {
        result = value;
        done = true;
    });
    waitUntil([&] { return done; }, LoadTimeout);
    return result;
}
}

// The HTML dialog window on the real engine: help pages from the resources, links handed to
// the main window, and a page that cannot reach the program.
class HtmlDialogTest : public QObject
{
    Q_OBJECT

    LoopbackServer m_server;

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.isListening());
        m_server.serve(QStringLiteral("/links"), (page(QStringLiteral("Links"), QStringLiteral("<a id=\"same\" href=\"/next\">next</a>"
                                                                        "<a id=\"blank\" target=\"_blank\" href=\"/popup\">popup</a>"
                                                                        "<iframe src=\"/inner\"></iframe>"))).toUtf8());
        m_server.serve(QStringLiteral("/inner"), (page(QStringLiteral("Inner"))).toUtf8());
        m_server.serve(QStringLiteral("/next"), (page(QStringLiteral("Next"))).toUtf8());
        m_server.serve(QStringLiteral("/popup"), (page(QStringLiteral("Popup"))).toUtf8());
    }

    void init() { failOnAppWarnings(); }

    void windowHasItsCaptionSizeAndFlags()
    {
        TfrmHTMLDialog dialog([](const QString &) {});
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Kestrel Browser Dialog"));
        QCOMPARE(dialog.size(), QSize(TfrmHTMLDialog::DefaultWidth, TfrmHTMLDialog::DefaultHeight));
        QVERIFY(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!(dialog.windowFlags() & Qt::WindowMinMaxButtonsHint));
        dialog.setClientWidth(400);
        dialog.setClientHeight(450);
        QCOMPARE(dialog.size(), QSize(400, 450));
    }

    void everyHelpPageLoadsFromTheResources()
    {
        const QStringList pages{QStringLiteral("tbautohelp"), QStringLiteral("qcorrecthelp"),
                                QStringLiteral("qlinkshelp"),  QStringLiteral("qinserthelp"),
                                QStringLiteral("qwordshelp"),  QStringLiteral("personalinfohelp")};
        for (const QString &name : pages) {
            QStringList opened;
            TfrmHTMLDialog dialog([&](const QString &address) { opened << address; });
            dialog.show();
            const QString address = QStringLiteral("qrc:/help/") + name + QStringLiteral(".html");
            dialog.Navigate(address);
            QVERIFY2(waitForDocument(dialog, name + QStringLiteral(".html")), qPrintable(name));
            QVERIFY(!dialog.browser()->LocationName().isEmpty());
            // The page explains its aid with an example and runs nothing.
            QCOMPARE(evaluate(dialog, QStringLiteral("document.querySelectorAll('.example').length")).toInt(), 1);
            QCOMPARE(evaluate(dialog, QStringLiteral("document.scripts.length")).toInt(), 0);
            QVERIFY(opened.isEmpty());
        }
    }

    void linksOpenInTheActiveBrowserAndTheDialogStays()
    {
        QStringList opened;
        TfrmHTMLDialog dialog([&](const QString &address) { opened << QUrl(address).path(); });
        dialog.show();
        dialog.Navigate(m_server.url(QStringLiteral("/links")).toString());
        QVERIFY(waitForDocument(dialog, QStringLiteral("/links")));
        // The frame of the page loaded in the dialog itself.
        QVERIFY(waitUntil([&] { return m_server.requestedPaths().contains(QStringLiteral("/inner")); }, LoadTimeout));
        QVERIFY(opened.isEmpty());

        evaluate(dialog, QStringLiteral("document.getElementById('same').click(); true"));
        QVERIFY(waitUntil([&] { return opened.contains(QStringLiteral("/next")); }, LoadTimeout));
        evaluate(dialog, QStringLiteral("document.getElementById('blank').click(); true"));
        QVERIFY(waitUntil([&] { return opened.contains(QStringLiteral("/popup")); }, LoadTimeout));

        QVERIFY(dialog.browser()->LocationURL().endsWith(QStringLiteral("/links")));
        QVERIFY(!m_server.requestedPaths().contains(QStringLiteral("/next")));
        QVERIFY(!m_server.requestedPaths().contains(QStringLiteral("/popup")));
    }

    void aSponsorAnswerHasTheSponsorsOriginAndNothingLocal()
    {
        // The answer is shown from memory with the sponsor's address as its base: it may fetch
        // from its own server, but never a local file or a resource of the program.
        const QUrl sponsor = m_server.url(QStringLiteral("/kestrelbrowser/ads/dialog.php3"));
        const QString html = page(QStringLiteral("Answer"),
                                  QStringLiteral("<a id=\"same\" href=\"/next\">next</a><script>"
                                                 "async function probe(u) { try { const r = await fetch(u); await r.text();"
                                                 " return 'read'; } catch (e) { return 'blocked'; } }"
                                                 "Promise.all([probe('file:///etc/hostname'), probe('qrc:/help/qlinkshelp.html'),"
                                                 " probe('/inner')]).then(r => document.title = r.join(','));"
                                                 "</script>"));
        QStringList opened;
        TfrmHTMLDialog dialog([&](const QString &address) { opened << address; });
        dialog.show();
        dialog.ShowHtml(html, sponsor);
        QVERIFY(waitUntil([&] { return dialog.browser()->LocationName().count(u',') == 2; }, LoadTimeout));
        QCOMPARE(dialog.browser()->LocationName(), QStringLiteral("blocked,blocked,read"));
        QCOMPARE(evaluate(dialog, QStringLiteral("location.origin")).toString(),
                 QStringLiteral("http://127.0.0.1:") + QString::number(m_server.port()));

        evaluate(dialog, QStringLiteral("document.getElementById('same').click(); true"));
        QVERIFY(waitUntil([&] { return !opened.isEmpty(); }, LoadTimeout));
        QCOMPARE(QUrl(opened.first()), m_server.url(QStringLiteral("/next")));
        QVERIFY(dialog.isVisible());
    }

    void pageHasNoBridgeIntoTheProgram()
    {
        TfrmHTMLDialog dialog([](const QString &) {});
        dialog.show();
        dialog.Navigate(QStringLiteral("qrc:/help/qlinkshelp.html"));
        QVERIFY(waitForDocument(dialog, QStringLiteral("qlinkshelp.html")));
        QCOMPARE(evaluate(dialog, QStringLiteral("typeof qt === 'undefined' && typeof QWebChannel === 'undefined'")),
                 QVariant(true));
    }
};

KESTREL_TEST(HtmlDialogTest)
#include "HtmlDialogTest.moc"
