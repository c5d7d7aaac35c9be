#include "browser/TKestrelWB.h"
#include "browser/engine/EnginePage.h"
#include "browser/engine/WebEngineControl.h"
#include "browser/page/PageDocument.h"
#include "testkit/LoopbackServer.h"
#include "testkit/PageScript.h"
#include "testkit/TabSetRig.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"
#include "testkit/WaitUntil.h"

#include <QComboBox>
#include <QTest>
#include <QWebEnginePage>
#include <csignal>

namespace {
constexpr int LoadTimeout = 20000;

QString page(const QString &title)
{
    return QStringLiteral("<!DOCTYPE html><html><head><title>") + title + QStringLiteral("</title></head><body><p>")
        + title + QStringLiteral("</p></body></html>");
}

QWebEnginePage *enginePage(TKestrelWB *view)
{
    return static_cast<WebEngineControl *>(view->control())->page();
}

QString bodyText(TKestrelWB *view)
{
    return runPageScript(view, QStringLiteral("document.body ? document.body.innerText : ''")).toString();
}

// The text of the page's body as the program's page agent reads it.
QString agentBodyText(TKestrelWB *view)
{
    const std::shared_ptr<PageDocument> document = view->Document();
    return document ? document->bodyInnerText() : QString();
}

bool killRenderer(TKestrelWB *view)
{
    const qint64 pid = enginePage(view)->renderProcessPid();
    return pid > 0 && ::kill(static_cast<pid_t>(pid), SIGKILL) == 0;
}
}

// A tab whose page process is killed: the tab shows that its page stopped, the other tabs go
// on, and loading the page again brings back the page and the program's agent in it.
class KilledRendererTest : public QObject
{
    Q_OBJECT

    LoopbackServer m_server;

    // Two sites, so that the two tabs run in processes of their own.
    QString address(const QString &path, const QString &host = QStringLiteral("127.0.0.1")) const
    {
        return m_server.url(path, host).toString();
    }
    int requests(const QString &path) const { return m_server.requestedPaths().count(path); }

private slots:
    void init() { failOnQtWarnings(); }

    void initTestCase()
    {
        QVERIFY(m_server.isListening());
        for (const char *name : {"crashing", "other", "next"})
            m_server.serveHtml(QLatin1Char('/') + QLatin1String(name), page(QStringLiteral("Page ") + QLatin1String(name)));
        // The engine starts here, with the warnings of its start.
        TKestrelWB warmUp;
        warmUp.Navigate(address(QStringLiteral("/next")));
        QVERIFY(waitUntil([&] { return agentBodyText(&warmUp) == QStringLiteral("Page next"); }, LoadTimeout));
    }

    void theKilledTabShowsItStoppedAndComesBackOnReload()
    {
        TabSetRig rig([](QWidget *sheet) { return new TKestrelWB(sheet); });
        const QString crashing = address(QStringLiteral("/crashing"));
        rig.tabs().AddBrowserTab(crashing);
        rig.tabs().AddBrowserTab(address(QStringLiteral("/other"), QStringLiteral("localhost")));
        TKestrelWB *view = rig.view(0);
        TKestrelWB *other = rig.view(1);
        QVERIFY(waitUntil([&] { return agentBodyText(view) == QStringLiteral("Page crashing"); }, LoadTimeout));
        QVERIFY(waitUntil([&] { return agentBodyText(other) == QStringLiteral("Page other"); }, LoadTimeout));
        QVERIFY(enginePage(view)->renderProcessPid() != enginePage(other)->renderProcessPid());
        rig.tabs().SelectTab(0);

        for (const bool throughTheLink : {false, true}) {
            QVERIFY(killRenderer(view));
            QVERIFY(waitUntil([&] { return bodyText(view).contains(QStringLiteral("This page stopped")); },
                              LoadTimeout));
            QVERIFY(bodyText(view).contains(crashing));
            QCOMPARE(runPageScript(view, QStringLiteral("document.querySelector('a.reload').getAttribute('href')")),
                     QVariant(crashing));
            // The tab goes on naming the page it showed.
            QCOMPARE(view->LocationURL(), crashing);
            QCOMPARE(rig.caption(0), QStringLiteral("Page crashing"));
            QCOMPARE(rig.browser->cboURLAddress()->currentText(), crashing);

            // The other tab loads and answers the program's calls.
            other->Navigate(address(throughTheLink ? QStringLiteral("/other") : QStringLiteral("/next"),
                                    QStringLiteral("localhost")));
            QVERIFY(waitUntil([&] { return agentBodyText(other) == (throughTheLink ? QStringLiteral("Page other")
                                                                                  : QStringLiteral("Page next")); },
                              LoadTimeout));

            // Loading the page again, by Reload or the page's own link, brings back the page
            // with the program's agent in it.
            const int before = requests(QStringLiteral("/crashing"));
            if (throughTheLink)
                runPageScript(view, QStringLiteral("document.querySelector('a.reload').click()"));
            else
                view->Refresh();
            QVERIFY(waitUntil([&] { return requests(QStringLiteral("/crashing")) > before; }, LoadTimeout));
            QVERIFY(waitUntil([&] { return agentBodyText(view) == QStringLiteral("Page crashing"); }, LoadTimeout));
            QCOMPARE(view->LocationURL(), crashing);
        }
    }
};

KESTREL_TEST(KilledRendererTest)
#include "KilledRendererTest.moc"
