#include "ProgramHome.h"
#include "ProgramRun.h"
#include "shell/DefaultBrowser.h"
#include "shell/InstanceClient.h"
#include "testkit/LoopbackServer.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"
#include "testkit/WaitUntil.h"

#include <QFileInfo>
#include <QProcess>
#include <QTest>

// The built program as the desktop's web browser: a link the desktop opens while the program
// runs arrives in it as a new tab.
class DefaultBrowserProcessTest : public QObject
{
    Q_OBJECT

    LoopbackServer m_web;

private slots:
    void init() { failOnQtWarnings(); }

    void xdgOpenHandsALinkToTheRunningBrowser()
    {
        QVERIFY(QFileInfo(Browser).isExecutable());
        m_web.serve(QStringLiteral("/linked"), QByteArrayLiteral("<title>linked</title>"));
        Home home;
        QVERIFY(DefaultBrowser(home.folder("share") + QStringLiteral("/applications"),
                               home.folder("config") + QStringLiteral("/mimeapps.list"))
                    .RegisterAsDefaultBrowser(Browser));

        QProcessEnvironment environment = home.environment();
        for (const char *name : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION",
                                 "GNOME_DESKTOP_SESSION_ID", "BROWSER", "WAYLAND_DISPLAY"})
            environment.remove(QLatin1String(name));
        // xdg-open looks for a handler only on a display; the program itself runs offscreen.
        environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":987"));
        Run running({}, environment);
        QVERIFY(InstanceClient(home.socketPath(), StartTimeout).connectToFirstInstance());

        QProcess open;
        open.setProcessEnvironment(environment);
        open.start(QStringLiteral("xdg-open"), {m_web.url(QStringLiteral("/linked")).toString()});
        QVERIFY(open.waitForFinished(StartTimeout));
        QCOMPARE(open.exitCode(), 0);
        QVERIFY(waitUntil([&] { return m_web.requestedPaths().contains(QStringLiteral("/linked")); }, StartTimeout));
        QVERIFY(running.running());
    }
};

KESTREL_TEST(DefaultBrowserProcessTest)
#include "DefaultBrowserProcessTest.moc"
