#include "ProgramHome.h"
#include "ProgramRun.h"
#include "XDisplay.h"
#include "shell/SettingsStore.h"
#include "shell/TextFile.h"
#include "shell/Workspace.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"
#include "testkit/WaitUntil.h"

#include <QFileInfo>
#include <QRect>
#include <QRegularExpression>
#include <QTest>
#include <csignal>

namespace {
// A window manager on the private display, so that the window has a frame and full-screen
// requests are carried out as on a desktop. Stopped when the object goes.
class WindowManager
{
public:
    explicit WindowManager(const XDisplay &display)
    {
        m_process.setProcessEnvironment(display.environment(QProcessEnvironment::systemEnvironment()));
        m_process.setStandardOutputFile(QProcess::nullDevice());
        m_process.setStandardErrorFile(QProcess::nullDevice());
        m_process.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        m_process.waitForStarted(10000);
    }
    ~WindowManager()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished();
    }
    bool running() const { return m_process.state() == QProcess::Running; }

private:
    QProcess m_process;
};

// The window's place and size on the screen, as xdotool reports them.
std::optional<QRect> geometryOf(const XDisplay &display, const QString &window)
{
    const auto text = display.xdotool({QStringLiteral("getwindowgeometry"), window});
    if (!text)
        return std::nullopt;
    static const QRegularExpression pattern(QStringLiteral("Position: (-?\\d+),(-?\\d+).*Geometry: (\\d+)x(\\d+)"),
                                            QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = pattern.match(*text);
    if (!match.hasMatch())
        return std::nullopt;
    return QRect(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt(),
                 match.captured(4).toInt());
}
}

// F8 on the built program under a real window manager: the window covers the screen, and a
// second F8 gives back its place and size.
class FullScreenProcessTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnQtWarnings(); }

    void f8CoversTheScreenAndF8AgainGivesTheWindowBack()
    {
        QVERIFY(QFileInfo(Browser).isExecutable());
        XDisplay display;
        QVERIFY(display.isUp());
        WindowManager manager(display);
        QVERIFY(manager.running());
        Home home;
        // A default group without addresses: the program opens no page.
        SettingsStore store(home.folder("config") + QStringLiteral("/kestrel-browser/registry.ini"));
        store.writeString(SettingsStore::MainSection, QStringLiteral("Default Group"), QStringLiteral("Empty"));
        TextFile::writeLines(home.folder("data") + QLatin1Char('/') + Workspace::GroupFileName,
                             {QStringLiteral("Empty"), QStringLiteral("Other"), QStringLiteral("\thttp://127.0.0.1:9/")});

        Run running({}, display.environment(home.environment()));
        // The main window, not the splash window of the same name (480 x 280): by default it
        // takes most of the screen.
        QString window;
        QVERIFY(waitUntil([&] {
            for (const QString &named : display.windowsNamed(QStringLiteral("^Kestrel Browser"))) {
                const std::optional<QRect> geometry = geometryOf(display, named);
                if (geometry && geometry->width() > 640)
                    window = named;
            }
            return !window.isEmpty();
        }, StartTimeout));
        std::optional<QRect> before;
        // The manager has placed the window once its place holds still.
        QVERIFY(waitUntil([&] {
            const std::optional<QRect> now = geometryOf(display, window);
            const bool settled = now && before && *now == *before;
            before = now;
            QTest::qWait(200);
            return settled;
        }, StartTimeout));
        const QRect screen(0, 0, 1280, 1024);
        QVERIFY(*before != screen);

        const auto pressF8Until = [&](const std::function<bool(const QRect &)> &done) {
            for (int attempt = 0; attempt < 5; ++attempt) {
                display.xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), window});
                display.xdotool({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), QStringLiteral("F8")});
                if (waitUntil([&] {
                        const std::optional<QRect> now = geometryOf(display, window);
                        return now && done(*now);
                    }, 5000))
                    return true;
            }
            return false;
        };
        QVERIFY(pressF8Until([&](const QRect &now) { return now == screen; }));
        // Held there, not toggled back by a second handler of the same key.
        QTest::qWait(1000);
        QCOMPARE(geometryOf(display, window).value_or(QRect()), screen);

        QVERIFY(pressF8Until([&](const QRect &now) { return now == *before; }));

        QVERIFY(::kill(static_cast<pid_t>(running.process().processId()), SIGTERM) == 0);
        QVERIFY(running.finished());
    }
};

KESTREL_TEST(FullScreenProcessTest)
#include "FullScreenProcessTest.moc"
