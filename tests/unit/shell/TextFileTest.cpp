#include "shell/DataFolder.h"
#include "shell/TextFile.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {
QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}
}

// Data files read and written whole: line ends, encodings and the atomic write.
class TextFileTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.path() + QLatin1Char('/') + name; }

private slots:
    void init() { failOnQtWarnings(); }

    void anyLineEndIsAccepted_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        const QStringList ab{QStringLiteral("a"), QStringLiteral("b")};
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << ab;
        QTest::newRow("LF") << QByteArray("a\nb\n") << ab;
        QTest::newRow("CR") << QByteArray("a\rb\r") << ab;
        QTest::newRow("no end on the last line") << QByteArray("a\r\nb") << ab;
        QTest::newRow("mixed") << QByteArray("a\rb\nc\r\n") << QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
        QTest::newRow("empty lines kept") << QByteArray("a\r\n\r\nb\r\n") << QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")};
        QTest::newRow("LF CR is two ends") << QByteArray("a\n\r") << QStringList{QStringLiteral("a"), QString()};
        QTest::newRow("one empty line") << QByteArray("\r\n") << QStringList{QString()};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
    }

    void anyLineEndIsAccepted()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        writeBytes(path(QStringLiteral("ends.dat")), bytes);
        QCOMPARE(TextFile::readLines(path(QStringLiteral("ends.dat"))), std::optional<QStringList>(lines));
    }

    void textThatIsNotUtf8IsReadAsWindows1252_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("UTF-8") << QByteArray("caf\xc3\xa9 \xe2\x82\xac") << QStringLiteral("caf\u00e9 \u20ac");
        QTest::newRow("byte-order mark dropped") << QByteArray("\xef\xbb\xbfhi") << QStringLiteral("hi");
        QTest::newRow("1252") << QByteArray("caf\xe9 \x80 \x93q\x94") << QStringLiteral("caf\u00e9 \u20ac \u201cq\u201d");
        QTest::newRow("unassigned 1252 bytes") << QByteArray("\x81\x8d\x8f\x90\x9d") << QStringLiteral("\u0081\u008d\u008f\u0090\u009d");
        // One bad sequence makes the whole file 1252, valid UTF-8 pairs included.
        QTest::newRow("mostly UTF-8") << QByteArray("\xc3\xa9 \xe9") << QStringLiteral("\u00c3\u00a9 \u00e9");
        QTest::newRow("cut UTF-8 at the end") << QByteArray("ab\xe2\x82") << QStringLiteral("ab\u00e2\u201a");
    }

    void textThatIsNotUtf8IsReadAsWindows1252()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(TextFile::decode(bytes), text);
    }

    void writingUsesUtf8AndCrLf()
    {
        const QString file = path(QStringLiteral("out.dat"));
        QVERIFY(TextFile::writeLines(file, {QStringLiteral("caf\u00e9"), QString(), QStringLiteral("b")}));
        QCOMPARE(readBytes(file), QByteArray("caf\xc3\xa9\r\n\r\nb\r\n"));
        QCOMPARE(TextFile::readLines(file),
                 std::optional<QStringList>({QStringLiteral("caf\u00e9"), QString(), QStringLiteral("b")}));
        QVERIFY(TextFile::writeLines(file, {}));
        QCOMPARE(readBytes(file), QByteArray());
        QVERIFY(TextFile::writeLines(file, {QStringLiteral("x")}, TextFile::LineEnd::Lf));
        QCOMPARE(readBytes(file), QByteArray("x\n"));
    }

    void missingFilesAndFoldersAreHandled()
    {
        QVERIFY(!TextFile::readLines(path(QStringLiteral("missing.dat"))));
        QVERIFY(!TextFile::readLines(m_dir.path()));
        const QString nested = path(QStringLiteral("new/folder/file.dat"));
        QVERIFY(TextFile::writeLines(nested, {QStringLiteral("x")}));
        QCOMPARE(readBytes(nested), QByteArray("x\r\n"));
    }

    void aFailedWriteLeavesTheOldFile()
    {
        const QString file = path(QStringLiteral("keep.dat"));
        QVERIFY(TextFile::writeLines(file, {QStringLiteral("old")}));
        // The system refuses to grow any file beyond 4 KiB, so the write fails part way.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit small = saved;
        small.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool written = TextFile::writeLines(file, QStringList(2000, QStringLiteral("a longer line of text")));
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, SIG_DFL);

        QVERIFY(!written);
        QCOMPARE(readBytes(file), QByteArray("old\r\n"));
        // No half-written file is left beside it.
        QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("keep.dat*")}, QDir::Files),
                 QStringList{QStringLiteral("keep.dat")});
    }

    void dataFilesKeepTheirLastGoodVersion()
    {
        const QString data = DataFolder::filePath(QStringLiteral("list.dat"));
        QVERIFY(TextFile::writeLines(data, {QStringLiteral("one")}));
        QVERIFY(!QFile::exists(TextFile::backupPath(data)));
        QVERIFY(TextFile::writeLines(data, {QStringLiteral("two")}));
        QCOMPARE(readBytes(TextFile::backupPath(data)), QByteArray("one\r\n"));
        QVERIFY(TextFile::writeLines(data, {QStringLiteral("three")}));
        QCOMPARE(readBytes(TextFile::backupPath(data)), QByteArray("two\r\n"));

        // A write that fails leaves both the file and its copy as they were.
        TextFile::setFault([](const QString &, TextFile::Access access) { return access == TextFile::Access::Write; });
        QVERIFY(!TextFile::writeLines(data, {QStringLiteral("four")}));
        TextFile::setFault({});
        QCOMPARE(readBytes(data), QByteArray("three\r\n"));
        QCOMPARE(readBytes(TextFile::backupPath(data)), QByteArray("two\r\n"));

        // Files outside the data folder (shortcuts, desktop entries, the user's files) get no copy.
        const QString shortcut = path(QStringLiteral("site.url"));
        QVERIFY(TextFile::writeLines(shortcut, {QStringLiteral("a")}));
        QVERIFY(TextFile::writeLines(shortcut, {QStringLiteral("b")}));
        QVERIFY(!QFile::exists(TextFile::backupPath(shortcut)));
    }

    void aRewriteKeepsTheFilesPermissionsAndLinks()
    {
        const QString file = path(QStringLiteral("private.dat"));
        QVERIFY(TextFile::writeLines(file, {QStringLiteral("one")}));
        const QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner
            | QFileDevice::ReadUser | QFileDevice::WriteUser;
        QVERIFY(QFile::setPermissions(file, ownerOnly));
        QVERIFY(TextFile::writeLines(file, {QStringLiteral("two")}));
        QCOMPARE(QFile::permissions(file), ownerOnly);

        const QString link = path(QStringLiteral("link.dat"));
        QVERIFY(QFile::link(file, link));
        QVERIFY(TextFile::writeLines(link, {QStringLiteral("three")}));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(readBytes(file), QByteArray("three\r\n"));
    }

    void theTidyRemovesOnlyTheProgramsHalfWrittenFiles()
    {
        QTemporaryDir folder;
        const QStringList ours{QStringLiteral("workspace.dat.kestrel-tmp-Ab12Cd"),
                               QStringLiteral("qcorrect.dat.bak.kestrel-tmp-x9Y8z7")};
        const QStringList others{QStringLiteral("workspace.dat"), QStringLiteral("notes.Ab12Cd"),
                                 QStringLiteral("list.kestrel-tmp-short"), QStringLiteral("list.kestrel-tmp-toolong1")};
        for (const QString &name : ours + others)
            writeBytes(folder.filePath(name), "x");
        QVERIFY(QDir().mkpath(folder.filePath(QStringLiteral("sub.kestrel-tmp-Ab12Cd"))));

        QCOMPARE(TextFile::removeStaleTemporaries(folder.path()), 2);
        QStringList left = others;
        left.append(QStringLiteral("sub.kestrel-tmp-Ab12Cd"));
        left.sort();
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name), left);
    }
};

KESTREL_TEST(TextFileTest)
#include "TextFileTest.moc"
