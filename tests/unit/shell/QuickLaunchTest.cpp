#include "platform/DesktopEntry.h"
#include "shell/QuickLaunch.h"
#include "shell/SettingsStore.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString MapGroups = QStringLiteral("Microsoft\\Windows\\CurrentVersion\\GrpConv\\MapGroups");
const QString IconKey = QStringLiteral("Quick Launch Icon");
}

// The quick-launch shortcut, made only where the store names a quick-launch folder.
class QuickLaunchTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_cases = 0;

private slots:
    void init() { failOnQtWarnings(); }

    void withoutAQuickLaunchFolderNothingIsMade()
    {
        const QString base = m_dir.path() + QStringLiteral("/%1").arg(++m_cases);
        SettingsStore store(base + QStringLiteral("/registry.ini"));
        QVERIFY(!QuickLaunch::makeShortcut(store, QStringLiteral("/opt/kb/kestrel-browser"), base));
        QVERIFY(!store.valueExists(SettingsStore::MainSection, IconKey));
    }

    void aNamedFolderGetsTheShortcutOnce()
    {
        const QString base = m_dir.path() + QStringLiteral("/%1").arg(++m_cases);
        SettingsStore store(base + QStringLiteral("/registry.ini"));
        const QString folder = base + QStringLiteral("/Quick Launch");
        store.writeString(MapGroups, QStringLiteral("Quick Launch"), folder);

        QVERIFY(QuickLaunch::makeShortcut(store, QStringLiteral("/opt/kb/kestrel-browser"), QStringLiteral("/data")));
        const QString shortcut = folder + QStringLiteral("/Kestrel Browser.desktop");
        QFile file(shortcut);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[Desktop Entry]\nType=Application\nName=Kestrel Browser\n"
                                            "Exec=/opt/kb/kestrel-browser\nTerminal=false\nPath=/data\n"));
        QVERIFY(QFileInfo(shortcut).isExecutable());
        QCOMPARE(store.readString(SettingsStore::MainSection, IconKey), QStringLiteral("1"));

        // An existing shortcut is left alone.
        QVERIFY(!QuickLaunch::makeShortcut(store, QStringLiteral("/elsewhere"), QStringLiteral("/data")));
    }

    void theSettingCanTurnItOff()
    {
        const QString base = m_dir.path() + QStringLiteral("/%1").arg(++m_cases);
        SettingsStore store(base + QStringLiteral("/registry.ini"));
        store.writeString(MapGroups, QStringLiteral("Quick Launch"), base + QStringLiteral("/ql"));
        store.writeBool(SettingsStore::MainSection, IconKey, false);
        QVERIFY(!QuickLaunch::makeShortcut(store, QStringLiteral("/opt/kb/kestrel-browser"), base));
        QVERIFY(!QFileInfo::exists(base + QStringLiteral("/ql")));
    }

    void programsAndFoldersAreQuotedAndEscaped()
    {
        const DesktopEntry entry{.name = QStringLiteral("Kestrel\tBrowser"),
                                 .program = QStringLiteral("/opt/my \"best\" $app`s\\100%/kb"),
                                 .workingFolder = QStringLiteral("/home/u/back\\slash")};
        const QStringList lines = entry.lines();
        QVERIFY(lines.contains(QStringLiteral("Name=Kestrel\\tBrowser")));
        // A program with a reserved character is quoted: quoting escapes " ` $ \ with a backslash
        // and doubles %; then every backslash of the value is escaped once more.
        QVERIFY(lines.contains(QStringLiteral("Exec=\"/opt/my \\\\\"best\\\\\" \\\\$app\\\\`s\\\\\\\\100%%/kb\"")));
        QVERIFY(lines.contains(QStringLiteral("Path=/home/u/back\\\\slash")));
    }
};

KESTREL_TEST(QuickLaunchTest)
#include "QuickLaunchTest.moc"
