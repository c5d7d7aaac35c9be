#include "shell/SettingsStore.h"
#include "shell/WindowPlacement.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
const QString &Main = SettingsStore::MainSection;
const QSize Screen(1366, 768);
const QRect Desktop(0, 0, 1366, 768);
}

// The main window's stored place: values that cannot be used, and the write-back when maximized.
class WindowPlacementTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_files = 0;
    SettingsStore freshStore() { return SettingsStore(m_dir.path() + QStringLiteral("/%1.ini").arg(++m_files)); }

private slots:
    void init() { failOnQtWarnings(); }

    void unusableValuesAreMended_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("width not a number") << QStringLiteral("Width") << QStringLiteral("abc") << QRect(0, 0, 1093, 614);
        QTest::newRow("width beyond 32 bits") << QStringLiteral("Width") << QStringLiteral("99999999999") << QRect(0, 0, 1093, 614);
        QTest::newRow("width zero") << QStringLiteral("Width") << QStringLiteral("0") << QRect(0, 0, 1093, 614);
        QTest::newRow("width negative") << QStringLiteral("Width") << QStringLiteral("-500") << QRect(0, 0, 1093, 614);
        QTest::newRow("width too large") << QStringLiteral("Width") << QStringLiteral("2000000000") << QRect(0, 0, 1366, 614);
        QTest::newRow("height too large") << QStringLiteral("Height") << QStringLiteral("5000") << QRect(0, 0, 1093, 768);
        QTest::newRow("far right") << QStringLiteral("Left") << QStringLiteral("2147483647") << QRect(0, 0, 1093, 614);
        QTest::newRow("far up") << QStringLiteral("Top") << QStringLiteral("-2147483648") << QRect(0, 0, 1093, 614);
        QTest::newRow("partly off") << QStringLiteral("Left") << QStringLiteral("-500") << QRect(-500, 0, 1093, 614);
    }

    void unusableValuesAreMended()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QRect, expected);
        SettingsStore store = freshStore();
        store.writeString(Main, key, value);
        QCOMPARE(WindowPlacement::read(store, Screen, Desktop).geometry, expected);
    }

    void aSizeFromAnotherScaleIsFittedToTheDesktop_data()
    {
        QTest::addColumn<QRect>("stored");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("twice as wide, placed right") << QRect(300, 200, 2732, 600) << QRect(0, 200, 1366, 600);
        QTest::newRow("twice as high, placed low") << QRect(300, 200, 800, 1536) << QRect(300, 0, 800, 768);
        QTest::newRow("both, partly off") << QRect(-400, 500, 2732, 1536) << QRect(0, 0, 1366, 768);
        // A window that fits keeps its place, even partly off the desktop.
        QTest::newRow("fits") << QRect(900, 500, 800, 600) << QRect(900, 500, 800, 600);
    }

    void aSizeFromAnotherScaleIsFittedToTheDesktop()
    {
        QFETCH(QRect, stored);
        QFETCH(QRect, expected);
        SettingsStore store = freshStore();
        WindowPlacement{false, stored}.write(store);
        QCOMPARE(WindowPlacement::read(store, Screen, Desktop).geometry, expected);
    }

    void aMaximizedWindowKeepsTheEarlierPlace()
    {
        SettingsStore store = freshStore();
        WindowPlacement{false, QRect(10, 20, 700, 400)}.write(store);
        QCOMPARE(store.readString(Main, QStringLiteral("Maximized")), QStringLiteral("0"));
        WindowPlacement{true, QRect(0, 0, 1366, 768)}.write(store);
        QCOMPARE(store.readString(Main, QStringLiteral("Maximized")), QStringLiteral("1"));
        QCOMPARE(store.readInteger(Main, QStringLiteral("Left"), -1), 10);
        QCOMPARE(store.readInteger(Main, QStringLiteral("Top"), -1), 20);
        QCOMPARE(store.readInteger(Main, QStringLiteral("Width"), -1), 700);
        QCOMPARE(store.readInteger(Main, QStringLiteral("Height"), -1), 400);
    }
};

KESTREL_TEST(WindowPlacementTest)
#include "WindowPlacementTest.moc"
