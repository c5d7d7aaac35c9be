#include "ProgramHome.h"
#include "ProgramRun.h"
#include "SaveBurst.h"
#include "favorites/KestrelGroupFile.h"
#include "favorites/KestrelGroupOutline.h"
#include "shell/SettingsStore.h"
#include "shell/StartRecord.h"
#include "shell/TextFile.h"
#include "shell/Workspace.h"
#include "typing/TypingAidFiles.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"
#include "testkit/WaitUntil.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

namespace {
const QString SaveLoop = QStringLiteral(KESTREL_SAVE_LOOP_EXECUTABLE);
constexpr int Kills = 50;
constexpr int LongestDelay = 300;

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList halfWrittenFiles(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.kestrel-tmp-*")}, QDir::Files | QDir::Hidden);
}
}

// The data files under a process killed at random moments while it writes them: each file and
// its last-good copy is always one whole version the writers made, and the half-written files
// the kills leave are removed by the next start of the program.
class KilledSavesProcessTest : public QObject
{
    Q_OBJECT

    // Every version of each file that the burst writes.
    QHash<QString, QSet<QByteArray>> m_versions;

    // Why the file at path is no whole version of the named file, or nothing when it is one (or
    // is not there at all).
    std::optional<QString> fault(const QString &name, const QString &path) const
    {
        if (!QFile::exists(path))
            return std::nullopt;
        const QByteArray bytes = readBytes(path);
        if (!m_versions.value(name).contains(bytes))
            return path + QStringLiteral(" is no version the writers made (%1 bytes)").arg(bytes.size());
        const std::optional<QStringList> lines = TextFile::readLines(path);
        if (!lines || lines->isEmpty())
            return path + QStringLiteral(" reads as empty");
        if (name == KestrelGroupFile::FileName && KestrelGroupOutline::read(*lines).error)
            return path + QStringLiteral(" holds no outline");
        return std::nullopt;
    }

private slots:
    void init() { failOnQtWarnings(); }

    void initTestCase()
    {
        QVERIFY(QFileInfo(SaveLoop).isExecutable());
        QVERIFY(QFileInfo(Browser).isExecutable());
        QTemporaryDir reference;
        SettingsStore settings(reference.filePath(QStringLiteral("registry.ini")));
        SaveBurst burst(reference.path(), settings);
        for (int step = 0; step < SaveBurst::Steps; ++step) {
            burst.change(step);
            for (const QString &name : SaveBurst::fileNames()) {
                if (QFile::exists(reference.filePath(name)))
                    m_versions[name].insert(readBytes(reference.filePath(name)));
            }
        }
        QCOMPARE(m_versions.size(), SaveBurst::fileNames().size());
    }

    void everyFileIsAWholeVersionAfterEachKill()
    {
        Home home;
        const QString data = home.folder("data");
        const quint32 seed = QRandomGenerator::global()->generate();
        QRandomGenerator random(seed);
        int interrupted = 0;
        for (int kill = 0; kill < Kills; ++kill) {
            QProcess loop;
            loop.setProcessEnvironment(home.environment());
            loop.start(SaveLoop, {});
            QVERIFY(loop.waitForStarted());
            QVERIFY(loop.waitForReadyRead(StartTimeout));
            const int delay = int(random.bounded(LongestDelay + 1));
            QTest::qSleep(delay);
            QCOMPARE(::kill(static_cast<pid_t>(loop.processId()), SIGKILL), 0);
            QVERIFY(loop.waitForFinished());
            QCOMPARE(loop.exitStatus(), QProcess::CrashExit);

            if (!halfWrittenFiles(data).isEmpty())
                ++interrupted;
            for (const QString &name : SaveBurst::fileNames()) {
                const QString file = data + QLatin1Char('/') + name;
                for (const QString &path : {file, TextFile::backupPath(file)}) {
                    const std::optional<QString> found = fault(name, path);
                    QVERIFY2(!found, qPrintable(QStringLiteral("kill %1 after %2 ms (seed %3): %4")
                                                    .arg(kill).arg(delay).arg(seed).arg(found.value_or(QString()))));
                }
            }
        }
        for (const QString &name : SaveBurst::fileNames())
            QVERIFY(QFile::exists(data + QLatin1Char('/') + name));
        qInfo("%d kills, %d of them in the middle of a write", Kills, interrupted);

        // The next start of the program removes what the interrupted writes left.
        Run program({}, home.environment());
        QVERIFY(waitUntil([&] { return QFile::exists(data + QLatin1Char('/') + StartRecord::FileName); }, StartTimeout));
        QCOMPARE(halfWrittenFiles(data), QStringList());
        QCOMPARE(::kill(static_cast<pid_t>(program.process().processId()), SIGTERM), 0);
        QVERIFY(program.finished());
        QVERIFY(program.endedWithCodeZero());
        QCOMPARE(halfWrittenFiles(data), QStringList());
    }
};

KESTREL_TEST(KilledSavesProcessTest)
#include "KilledSavesProcessTest.moc"
