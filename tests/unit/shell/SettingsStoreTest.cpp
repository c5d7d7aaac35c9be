#include "shell/SettingsStore.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString Main = SettingsStore::MainSection;
const QString Typed = SettingsStore::MainSection + QStringLiteral("\\TypedURLs");

void writeRaw(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}
}

// The settings store on its INI file: value typing, defaults, list subkeys, and several store
// objects (or programs) sharing one file.
class SettingsStoreTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_root;
    int m_files = 0;

    // Every case gets a file of its own: QSettings shares one cache per file in a process.
    QString freshPath() { return m_root.path() + QStringLiteral("/%1/registry.ini").arg(++m_files); }

private slots:
    void init() { failOnQtWarnings(); }

    void missingValuesReadAsTheirDefaults()
    {
        SettingsStore store(freshPath());
        QCOMPARE(store.readString(Main, QStringLiteral("Homepage"), QStringLiteral("x")), QStringLiteral("x"));
        QCOMPARE(store.readInteger(Main, QStringLiteral("SearchWidth"), 165), 165);
        QCOMPARE(store.readBool(Main, QStringLiteral("Maximized"), false), false);
        QCOMPARE(store.readBool(Main, QStringLiteral("Save Workspace"), true), true);
        QVERIFY(!store.valueExists(Main, QStringLiteral("Homepage")));
        QVERIFY(!store.sectionExists(Main));
    }

    void readsNeverCreateAnything()
    {
        const QString path = freshPath();
        {
            SettingsStore store(path);
            store.readString(Typed, QStringLiteral("Item0"));
            store.readInteger(Main, QStringLiteral("Top"), 0);
            QStringList list{QStringLiteral("kept")};
            store.readList(Typed, list);
            QCOMPARE(list, QStringList{QStringLiteral("kept")});
            store.sectionExists(Typed);
            store.valueExists(Main, QStringLiteral("Top"));
        }
        QVERIFY(!QFileInfo::exists(path));
        QVERIFY(!QFileInfo::exists(QFileInfo(path).absolutePath()));
    }

    void writesCreateSectionsAndTextValues()
    {
        const QString path = freshPath();
        SettingsStore store(path);
        store.writeString(Typed, QStringLiteral("Item0"), QStringLiteral("http://a/"));
        store.writeInteger(Main, QStringLiteral("Width"), -12);
        store.writeBool(Main, QStringLiteral("Maximized"), true);
        QVERIFY(QFileInfo::exists(path));
        QVERIFY(store.sectionExists(Main));
        QVERIFY(store.sectionExists(Typed));
        QVERIFY(!store.sectionExists(Main + QStringLiteral("\\SearchTerms")));
        // Everything is text: integers in decimal, booleans as "1" and "0".
        QCOMPARE(store.readString(Main, QStringLiteral("Width")), QStringLiteral("-12"));
        QCOMPARE(store.readString(Main, QStringLiteral("Maximized")), QStringLiteral("1"));
        store.writeBool(Main, QStringLiteral("Maximized"), false);
        QCOMPARE(store.readString(Main, QStringLiteral("Maximized")), QStringLiteral("0"));
        store.deleteValue(Main, QStringLiteral("Width"));
        QCOMPARE(store.readInteger(Main, QStringLiteral("Width"), 7), 7);
    }

    void integerReads_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("decimal") << QStringLiteral("42") << 42;
        QTest::newRow("negative") << QStringLiteral("-7") << -7;
        QTest::newRow("blanks around") << QStringLiteral(" 42 ") << 42;
        QTest::newRow("letters") << QStringLiteral("abc") << 165;
        QTest::newRow("empty") << QString() << 165;
        QTest::newRow("trailing letters") << QStringLiteral("12abc") << 165;
        QTest::newRow("fraction") << QStringLiteral("1.5") << 165;
        QTest::newRow("hexadecimal") << QStringLiteral("0x10") << 165;
        QTest::newRow("too large") << QStringLiteral("99999999999") << 165;
    }

    void integerReads()
    {
        QFETCH(QString, stored);
        QFETCH(int, expected);
        SettingsStore store(freshPath());
        store.writeString(Main, QStringLiteral("SearchWidth"), stored);
        QCOMPARE(store.readInteger(Main, QStringLiteral("SearchWidth"), 165), expected);
    }

    void booleanReads()
    {
        SettingsStore store(freshPath());
        const QString key = QStringLiteral("Tab Multiline");
        const QList<std::pair<QString, bool>> cases{
            {QStringLiteral("1"), true}, {QStringLiteral("0"), false}, {QStringLiteral("2"), true},
            {QStringLiteral("-1"), true}, {QStringLiteral("yes"), true}, {QStringLiteral(""), true}};
        for (const auto &[stored, expected] : cases) {
            store.writeString(Main, key, stored);
            QVERIFY2(store.readBool(Main, key, true) == expected, qPrintable(stored));
        }
        store.writeString(Main, key, QStringLiteral("yes"));
        QCOMPARE(store.readBool(Main, key, false), false);
    }

    void listReadLooksUpOnlyAsManyItemsAsThereAreValues()
    {
        SettingsStore store(freshPath());
        // Values 0 and 2 without 1: two values, so only Item0 and Item1 are looked up.
        store.writeString(Typed, QStringLiteral("Item0"), QStringLiteral("first"));
        store.writeString(Typed, QStringLiteral("Item2"), QStringLiteral("third"));
        QStringList list{QStringLiteral("old")};
        store.readList(Typed, list);
        QCOMPARE(list, QStringList{QStringLiteral("first")});
    }

    void listReadSkipsEmptyEntriesAndKeepsTheListWhenTheSubkeyIsEmpty()
    {
        SettingsStore store(freshPath());
        QStringList list{QStringLiteral("old")};
        store.readList(Typed, list);
        QCOMPARE(list, QStringList{QStringLiteral("old")});

        store.writeString(Typed, QStringLiteral("Item0"), QString());
        store.readList(Typed, list);
        QVERIFY(list.isEmpty());

        store.writeList(Typed, {QStringLiteral("a"), QString(), QStringLiteral("c")});
        store.readList(Typed, list);
        QCOMPARE(list, (QStringList{QStringLiteral("a"), QStringLiteral("c")}));
    }

    void listWriteLeavesTheHigherItemsOfALongerList()
    {
        SettingsStore store(freshPath());
        store.writeList(Typed, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        store.writeList(Typed, {QStringLiteral("new")});
        QStringList list;
        store.readList(Typed, list);
        QCOMPARE(list, (QStringList{QStringLiteral("new"), QStringLiteral("b"), QStringLiteral("c")}));
    }

    void clearingDeletesTheSubkeyOnly()
    {
        SettingsStore store(freshPath());
        store.writeList(Typed, {QStringLiteral("a")});
        store.writeString(Typed + QStringLiteral("\\Deeper"), QStringLiteral("x"), QStringLiteral("1"));
        store.writeString(Main, QStringLiteral("Top"), QStringLiteral("5"));
        store.clearSection(Typed);
        QVERIFY(!store.sectionExists(Typed));
        QVERIFY(!store.valueExists(Typed + QStringLiteral("\\Deeper"), QStringLiteral("x")));
        QCOMPARE(store.readInteger(Main, QStringLiteral("Top"), 0), 5);
        // An empty section would be the whole store: nothing happens.
        store.clearSection(QString());
        QCOMPARE(store.readInteger(Main, QStringLiteral("Top"), 0), 5);
    }

    void programAndMultiSearchSectionsLiveSideBySide()
    {
        SettingsStore store(freshPath());
        store.writeString(Main, QStringLiteral("Proxy"), QStringLiteral("browser"));
        store.writeString(SettingsStore::MultiSearchSection, QStringLiteral("Proxy"), QStringLiteral("search"));
        QCOMPARE(store.readString(Main, QStringLiteral("Proxy")), QStringLiteral("browser"));
        QCOMPARE(store.readString(SettingsStore::MultiSearchSection, QStringLiteral("Proxy")), QStringLiteral("search"));
        store.clearSection(SettingsStore::MultiSearchSection);
        QCOMPARE(store.readString(Main, QStringLiteral("Proxy")), QStringLiteral("browser"));
    }

    void storeObjectsSeeEachOthersWrites()
    {
        const QString path = freshPath();
        SettingsStore window(path);
        SettingsStore dialog(path);
        QCOMPARE(dialog.readString(Main, QStringLiteral("Homepage")), QString());
        window.writeString(Main, QStringLiteral("Homepage"), QStringLiteral("http://a/"));
        QCOMPARE(dialog.readString(Main, QStringLiteral("Homepage")), QStringLiteral("http://a/"));
        dialog.writeList(Typed, {QStringLiteral("x")});
        QStringList list;
        window.readList(Typed, list);
        QCOMPARE(list, QStringList{QStringLiteral("x")});
    }

    void writesOfAnotherProgramAreSeen()
    {
        const QString path = freshPath();
        SettingsStore store(path);
        store.writeString(Main, QStringLiteral("Homepage"), QStringLiteral("http://mine/"));
        // On disk at once, for another program to read.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("http://mine/"));
        file.close();
        // Another program rewrites the file: the next read takes it up.
        writeRaw(path, "[Kestrel%20Browser%205]\nHomepage=http://theirs.example/\nTop=12\n");
        QCOMPARE(store.readString(Main, QStringLiteral("Homepage")), QStringLiteral("http://theirs.example/"));
        QCOMPARE(store.readInteger(Main, QStringLiteral("Top"), 0), 12);
    }

    void unreadableFilesGiveDefaults_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("warning");
        QByteArray binary;
        for (int i = 0; i < 4096; ++i)
            binary.append(char((i * 7919) % 256));
        QTest::newRow("binary garbage") << binary << QString();
        QTest::newRow("truncated") << QByteArray("[Kestrel%20Browser%205]\nSearchWid") << QString();
        QTest::newRow("unterminated section") << QByteArray("[Kestrel%20Browser%205\nSearchWidth=abc\n") << QString();
        QTest::newRow("huge number") << QByteArray("[Kestrel%20Browser%205]\nSearchWidth=99999999999999999999999\n") << QString();
        QTest::newRow("huge value") << (QByteArray("[Kestrel%20Browser%205]\nSearchWidth=") + QByteArray(4 << 20, '9') + '\n')
                                    << QString();
        // Qt's own parser warns about the broken serialized value.
        QTest::newRow("serialized variant")
            << QByteArray("[Kestrel%20Browser%205]\nSearchWidth=@Variant(\\0\\0\\0\\x7f\\xff\\xff)\n")
            << QStringLiteral("QVariant::load");
    }

    void unreadableFilesGiveDefaults()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, warning);
        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
        const QString path = freshPath();
        writeRaw(path, content);
        SettingsStore store(path);
        QCOMPARE(store.readInteger(Main, QStringLiteral("SearchWidth"), 165), 165);
        QStringList list{QStringLiteral("kept")};
        store.readList(Typed, list);
        // The store still takes writes.
        store.writeInteger(Main, QStringLiteral("QuoteWidth"), 101);
        QCOMPARE(store.readInteger(Main, QStringLiteral("QuoteWidth"), 0), 101);
    }

    void textIsKeptAsWritten()
    {
        const QString path = freshPath();
        SettingsStore store(path);
        const QStringList texts{QStringLiteral("a,b"), QStringLiteral("@Variant(x)"), QStringLiteral("x=y;z"),
                                QStringLiteral("\"quoted\""), QStringLiteral("tab\there"), QStringLiteral("caf\u00e9 \u20ac")};
        for (const QString &text : texts) {
            store.writeString(Main, QStringLiteral("Text"), text);
            QCOMPARE(SettingsStore(path).readString(Main, QStringLiteral("Text")), text);
        }
        // A hand-written line that looks like a list still reads as its text.
        writeRaw(path, "[Kestrel%20Browser%205]\nHomepage=a,b\n");
        QCOMPARE(store.readString(Main, QStringLiteral("Homepage")), QStringLiteral("a,b"));
    }
};

KESTREL_TEST(SettingsStoreTest)
#include "SettingsStoreTest.moc"
