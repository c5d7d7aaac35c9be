#include "shell/StartRecord.h"
#include "shell/TextFile.h"
#include "testkit/ScriptedPrompter.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}
}

// The record of starts that did not end cleanly, and the question it leads to.
class StartRecordTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnQtWarnings(); }

    void aStartCountsTheUnfinishedStartsBeforeIt_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("previous");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<bool>("crashLoop");

        QTest::newRow("no file") << QByteArray("<missing>") << 0 << QByteArray("1\r\n") << false;
        QTest::newRow("one") << QByteArray("1\r\n") << 1 << QByteArray("2\r\n") << false;
        QTest::newRow("two") << QByteArray("2\r\n") << 2 << QByteArray("3\r\n") << true;
        QTest::newRow("no line end") << QByteArray("2") << 2 << QByteArray("3\r\n") << true;
        QTest::newRow("capped") << QByteArray("9\r\n") << 9 << QByteArray("9\r\n") << true;
        QTest::newRow("above the cap") << QByteArray("10\r\n") << 0 << QByteArray("1\r\n") << false;
        QTest::newRow("negative") << QByteArray("-4\r\n") << 0 << QByteArray("1\r\n") << false;
        QTest::newRow("huge") << QByteArray("99999999999999999999\r\n") << 0 << QByteArray("1\r\n") << false;
        QTest::newRow("text") << QByteArray("two\r\n") << 0 << QByteArray("1\r\n") << false;
        QTest::newRow("empty") << QByteArray("") << 0 << QByteArray("1\r\n") << false;
        QTest::newRow("two lines") << QByteArray("2\r\n2\r\n") << 0 << QByteArray("1\r\n") << false;
        QTest::newRow("binary") << QByteArray("2\0\r\n", 4) << 0 << QByteArray("1\r\n") << false;
    }

    void aStartCountsTheUnfinishedStartsBeforeIt()
    {
        QFETCH(QByteArray, before);
        QFETCH(int, previous);
        QFETCH(QByteArray, after);
        QFETCH(bool, crashLoop);

        QTemporaryDir folder;
        StartRecord record(folder.path());
        if (before != "<missing>") {
            QFile file(record.filePath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(before);
        }
        record.begin();
        QCOMPARE(record.previousUnfinished(), previous);
        QCOMPARE(record.crashLoop(), crashLoop);
        QCOMPARE(readBytes(record.filePath()), after);
        QVERIFY(record.tmrStartRecord().isActive());
    }

    void aCleanEndOrHalfAMinuteOfRunningClearsTheRecord()
    {
        QTemporaryDir folder;
        StartRecord record(folder.path());
        QCOMPARE(record.tmrStartRecord().interval(), 30000);
        QVERIFY(record.tmrStartRecord().isSingleShot());

        // Two starts that were killed, then one that ran long enough.
        record.begin();
        StartRecord second(folder.path());
        second.begin();
        QCOMPARE(readBytes(second.filePath()), QByteArray("2\r\n"));
        second.tmrStartRecordTimer();
        QVERIFY(!QFile::exists(second.filePath()));
        QVERIFY(!QFile::exists(TextFile::backupPath(second.filePath())));
        QVERIFY(!second.tmrStartRecord().isActive());

        StartRecord third(folder.path());
        third.begin();
        QCOMPARE(third.previousUnfinished(), 0);
        third.clear();
        QVERIFY(!QFile::exists(third.filePath()));

        // The timer runs the tick.
        StartRecord timed(folder.path());
        timed.begin();
        timed.tmrStartRecord().setInterval(0);
        timed.tmrStartRecord().start();
        QTRY_VERIFY(!QFile::exists(timed.filePath()));
    }

    void onlyACrashLoopAsksWhetherToRestore_data()
    {
        QTest::addColumn<int>("unfinished");
        QTest::addColumn<bool>("canAsk");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("restore");

        const int yes = int(Prompter::Answer::Yes);
        const int no = int(Prompter::Answer::No);
        QTest::newRow("one unfinished start") << 1 << true << no << false << true;
        QTest::newRow("two, yes") << 2 << true << yes << true << true;
        QTest::newRow("two, no") << 2 << true << no << true << false;
        QTest::newRow("many, no") << 9 << true << no << true << false;
        QTest::newRow("two, nobody to ask") << 2 << false << no << false << true;
    }

    void onlyACrashLoopAsksWhetherToRestore()
    {
        QFETCH(int, unfinished);
        QFETCH(bool, canAsk);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(bool, restore);

        QTemporaryDir folder;
        StartRecord record(folder.path());
        QVERIFY(TextFile::writeLines(record.filePath(), {QString::number(unfinished)}));
        record.begin();
        ScriptedPrompter prompter;
        prompter.queueAnswer(Prompter::Answer(answer));
        QCOMPARE(record.restoreLastTabs(canAsk ? &prompter : nullptr), restore);
        QCOMPARE(prompter.shown().size(), asked ? 1 : 0);
        if (asked) {
            QCOMPARE(prompter.shown().constFirst().kind, ScriptedPrompter::Kind::Question);
            QCOMPARE(prompter.shown().constFirst().caption, QStringLiteral("Kestrel Browser"));
            QCOMPARE(prompter.shown().constFirst().text,
                     QStringLiteral("Kestrel Browser did not close properly the last two times it ran. "
                                    "Restore the tabs from last time?"));
        }
    }
};

KESTREL_TEST(StartRecordTest)
#include "StartRecordTest.moc"
