#include "browser/TKestrelWB.h"
#include "browser/TfrmKestrelBrowser.h"
#include "search/SearchSubsystem.h"
#include "shell/DataFolder.h"
#include "shell/Workspace.h"
#include "testkit/FakeControl.h"
#include "testkit/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

namespace {
const QString &Main = SettingsStore::MainSection;

// A main window on fake engine controls, with the controls it made.
struct Window
{
    QList<QPointer<FakeControl>> controls;
    TfrmKestrelBrowser window{[this] {
        auto control = std::make_unique<FakeControl>();
        controls.append(control.get());
        return control;
    }};

    // Where each tab went: the last navigation of every control (a new tab goes to its
    // homepage first).
    QList<QUrl> navigations() const
    {
        QList<QUrl> all;
        for (const QPointer<FakeControl> &control : controls) {
            if (control && !control->navigations.isEmpty())
                all += control->navigations.last();
        }
        return all;
    }
};

QSize eightyPercentOfTheScreen()
{
    const QSize screen = QGuiApplication::primaryScreen()->size();
    return QSize(qRound(screen.width() * 0.8), qRound(screen.height() * 0.8));
}
}

// The main window: what it reads when it is made, what it writes when it closes, and the
// addresses it takes from its command line, later starts and the shell.
class MainWindowTest : public QObject
{
    Q_OBJECT

    SettingsStore m_store;

private slots:
    void init()
    {
        // The offscreen platform cannot raise windows and says so; any other warning fails.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support ).*")));
        QFile::remove(SettingsStore::defaultFilePath());
        // Each window starts on the default start pages, whatever an earlier one wrote at close.
        QFile::remove(DataFolder::path() + QLatin1Char('/') + Workspace::FileName);
    }

    void aFreshUserStartsWithTheDefaults()
    {
        Window w;
        QCOMPARE(w.window.pos(), QPoint(0, 0));
        QCOMPARE(w.window.size(), eightyPercentOfTheScreen());
        QVERIFY(!w.window.isMaximized());
        QCOMPARE(w.window.search().bars().searchWidth(), 165);
        QCOMPARE(w.window.search().bars().quoteWidth(), 101);
        QCOMPARE(m_store.readString(QStringLiteral("Microsoft\\Internet Explorer\\Main"),
                                    QStringLiteral("Display Inline Images")),
                 QStringLiteral("yes"));
        bool ok = false;
        const qint64 id = m_store.readString(Main, QStringLiteral("UniqueID")).toLongLong(&ok);
        QVERIFY(ok);
        QVERIFY(id >= 0 && id <= 1410065406);
        // No tab before the window is first shown; the linux stand-in names no quick-launch folder.
        QVERIFY(!w.window.GetActiveBrowser());
        QVERIFY(w.controls.isEmpty());
        QVERIFY(!m_store.valueExists(Main, QStringLiteral("Quick Launch Icon")));
    }

    void storedSettingsAreTaken()
    {
        m_store.writeString(Main, QStringLiteral("UniqueID"), QStringLiteral("12345"));
        m_store.writeString(Main, QStringLiteral("SearchWidth"), QStringLiteral("abc"));
        m_store.writeInteger(Main, QStringLiteral("QuoteWidth"), 140);
        m_store.writeString(QStringLiteral("Microsoft\\Internet Explorer\\Main"), QStringLiteral("Display Inline Images"),
                            QStringLiteral("no"));
        m_store.writeString(Main + QStringLiteral("\\TypedURLs"), QStringLiteral("Item0"), QStringLiteral("http://a/"));
        m_store.writeString(Main + QStringLiteral("\\TypedURLs"), QStringLiteral("Item2"), QStringLiteral("http://c/"));
        m_store.writeList(Main + QStringLiteral("\\SearchTerms"), {QStringLiteral("kestrel"), QStringLiteral("falcon")});
        m_store.writeInteger(Main, QStringLiteral("Left"), 20);
        m_store.writeInteger(Main, QStringLiteral("Top"), 30);
        m_store.writeInteger(Main, QStringLiteral("Width"), 500);
        m_store.writeInteger(Main, QStringLiteral("Height"), 400);

        Window w;
        QCOMPARE(w.window.geometry().size(), QSize(500, 400));
        QCOMPARE(w.window.pos(), QPoint(20, 30));
        QCOMPARE(w.window.search().bars().searchWidth(), 165);
        QCOMPARE(w.window.search().bars().quoteWidth(), 140);
        QCOMPARE(w.window.typedUrls(), QStringList{QStringLiteral("http://a/")});
        QCOMPARE(SearchBars::history(w.window.search().bars().cbHTMLSearch()), (QStringList{QStringLiteral("kestrel"), QStringLiteral("falcon")}));
        QVERIFY(SearchBars::history(w.window.search().bars().cbFinanceSearch()).isEmpty());
        QCOMPARE(m_store.readString(Main, QStringLiteral("UniqueID")), QStringLiteral("12345"));
        QCOMPARE(m_store.readString(QStringLiteral("Microsoft\\Internet Explorer\\Main"),
                                    QStringLiteral("Display Inline Images")),
                 QStringLiteral("yes"));
    }

    void maximizedStartsMaximizedWhateverTheOtherKeysHold()
    {
        m_store.writeString(Main, QStringLiteral("Maximized"), QStringLiteral("1"));
        m_store.writeInteger(Main, QStringLiteral("Top"), 300);
        m_store.writeInteger(Main, QStringLiteral("Width"), 200);
        Window w;
        QVERIFY(w.window.isMaximized());
        // Restoring it later gives the default place.
        QCOMPARE(w.window.pos(), QPoint(0, 0));
        QCOMPARE(w.window.size(), eightyPercentOfTheScreen());
    }

    void aBrokenSettingsFileStartsWithDefaults()
    {
        QDir().mkpath(QFileInfo(SettingsStore::defaultFilePath()).absolutePath());
        QFile file(SettingsStore::defaultFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Kestrel%20Browser%205]\nWidth=99999999999999\nHeight=-4\nMaximized=maybe\nLeft=\xff\xfe\n"
                   "[Kestrel%20Browser%205%5CTypedURLs]\nItem0=@Variant(\\0\\0\\xff)\n");
        file.write(QByteArray(16, '\0') + "garbage[[[=\n");
        file.close();
        // Qt's own parser warns about the broken serialized value.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("invalid type")));
        Window w;
        QVERIFY(!w.window.isMaximized());
        QCOMPARE(w.window.pos(), QPoint(0, 0));
        QCOMPARE(w.window.size(), eightyPercentOfTheScreen());
        QVERIFY(!m_store.readString(Main, QStringLiteral("UniqueID")).isEmpty());
    }

    void closingWritesTheWindowSettings()
    {
        m_store.writeList(Main + QStringLiteral("\\TypedURLs"), {QStringLiteral("http://a/"), QStringLiteral("http://b/")});
        m_store.writeInteger(Main, QStringLiteral("QuoteWidth"), 140);
        {
            Window w;
            w.window.move(15, 25);
            w.window.resize(610, 410);
            QVERIFY(w.window.close());
        }
        QCOMPARE(m_store.readString(Main, QStringLiteral("Maximized")), QStringLiteral("0"));
        QCOMPARE(m_store.readInteger(Main, QStringLiteral("Left"), 0), 15);
        QCOMPARE(m_store.readInteger(Main, QStringLiteral("Top"), 0), 25);
        QCOMPARE(m_store.readInteger(Main, QStringLiteral("Width"), 0), 610);
        QCOMPARE(m_store.readInteger(Main, QStringLiteral("Height"), 0), 410);
        QCOMPARE(m_store.readString(Main, QStringLiteral("SearchWidth")), QStringLiteral("165"));
        QCOMPARE(m_store.readString(Main, QStringLiteral("QuoteWidth")), QStringLiteral("140"));
        QStringList typed;
        m_store.readList(Main + QStringLiteral("\\TypedURLs"), typed);
        QCOMPARE(typed, (QStringList{QStringLiteral("http://a/"), QStringLiteral("http://b/")}));

        // Closing maximized keeps the place of the earlier close.
        {
            Window w;
            w.window.setWindowState(Qt::WindowMaximized);
            QVERIFY(w.window.close());
        }
        QCOMPARE(m_store.readString(Main, QStringLiteral("Maximized")), QStringLiteral("1"));
        QCOMPARE(m_store.readInteger(Main, QStringLiteral("Width"), 0), 610);
        QCOMPARE(m_store.readInteger(Main, QStringLiteral("Left"), 0), 15);
    }

    void theFirstShowOpensTheStartPagesThenTheCommandLineAddress()
    {
        Window w;
        w.window.setCommandLineAddress(QStringLiteral("http://cmd.example/"));
        QSignalSpy opened(&w.window, &TfrmKestrelBrowser::firstTabsOpened);
        w.window.show();
        QCOMPARE(opened.count(), 1);
        QList<QUrl> expected;
        for (const QString &page : Workspace::defaultStartPages())
            expected.append(QUrl(page));
        expected.append(QUrl(QStringLiteral("http://cmd.example/")));
        QCOMPARE(w.navigations(), expected);

        // Every show handles the argument again; within 3 s it is the same request and dropped.
        w.window.hide();
        w.window.show();
        QCOMPARE(w.navigations().size(), 4);
        w.window.openRequests().tmrDDETimer();
        w.window.hide();
        w.window.show();
        QCOMPARE(w.navigations().size(), 5);
        QCOMPARE(w.navigations().last(), QUrl(QStringLiteral("http://cmd.example/")));
        QCOMPARE(opened.count(), 1);
    }

    void aHandedOverAddressOpensAndAShowRequestOnlyRestores()
    {
        Window w;
        w.window.show();
        w.window.WMCopyData(QStringLiteral("http://handed.example/"));
        QCOMPARE(w.navigations().last(), QUrl(QStringLiteral("http://handed.example/")));
        const qsizetype count = w.navigations().size();

        w.window.setWindowState(Qt::WindowMinimized);
        w.window.ShowInstanceRequest();
        QVERIFY(!w.window.isMinimized());
        QVERIFY(w.window.isVisible());
        QCOMPARE(w.navigations().size(), count);

        // A window minimized from the maximized state comes back maximized.
        w.window.setWindowState(Qt::WindowMaximized | Qt::WindowMinimized);
        w.window.ShowInstanceRequest();
        QVERIFY(w.window.isMaximized());
        QVERIFY(!w.window.isMinimized());
    }

    void theShellsRequestOpensOnceWithinThreeSeconds()
    {
        Window w;
        w.window.show();
        const qsizetype count = w.navigations().size();
        w.window.WWW_OpenURLExecuteMacro({QStringLiteral("http://dde.example/")});
        w.window.WWW_OpenURLExecuteMacro({QStringLiteral("http://dde.example/")});
        QCOMPARE(w.navigations().size(), count + 1);
        QCOMPARE(w.navigations().last(), QUrl(QStringLiteral("http://dde.example/")));
        QVERIFY(w.window.openRequests().tmrDDE.isActive());
        w.window.openRequests().tmrDDETimer();
        w.window.WWW_OpenURLExecuteMacro({QStringLiteral("http://dde.example/")});
        QCOMPARE(w.navigations().size(), count + 2);
    }
};

KESTREL_TEST(MainWindowTest)
#include "MainWindowTest.moc"
