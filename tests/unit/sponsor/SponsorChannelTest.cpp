#include "shell/SettingsStore.h"
#include "shell/TextFile.h"
#include "sponsor/SponsorChannel.h"
#include "testkit/LoopbackServer.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"
#include "testkit/WaitUntil.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {
struct Shown
{
    QString html;
    QUrl origin;
    int width = -1;
    int height = -1;
};
}

// The sponsor channel against a loopback server: requests, answers, failures and the dialog,
// with the rotator's tick called by the test.
class SponsorChannelTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<LoopbackServer> m_server;
    std::unique_ptr<SponsorChannel> m_channel;
    QList<Shown> m_shown;
    QPointF m_dpi{96, 96};

    QString sponsorPath() const { return QStringLiteral("/kestrelbrowser/ads/dialog.php3"); }

    // One tick, and the wait until its request has ended.
    void tickAndWait()
    {
        const int before = m_server->requests().size();
        m_channel->AdRotator1().tick();
        QVERIFY(waitUntil([&] { return m_server->requests().size() > before && !m_channel->AdHTTP().isRunning(); }));
        QVERIFY(waitUntil([&] { return !m_channel->AdHTTP().isRunning(); }));
    }

    QByteArray lastTarget() const { return m_server->requests().constLast().target; }

private slots:
    void init()
    {
        failOnQtWarnings();
        m_store = std::make_unique<SettingsStore>(m_dir.filePath(QStringLiteral("registry.ini")));
        m_server = std::make_unique<LoopbackServer>();
        m_store->writeString(SettingsStore::MainSection, QStringLiteral("Sponsor Host"),
                             QStringLiteral("127.0.0.1:") + QString::number(m_server->port()));
        m_store->writeString(SettingsStore::MainSection, QStringLiteral("UniqueID"), QStringLiteral("4711"));
        m_shown.clear();
        m_channel = std::make_unique<SponsorChannel>(
            *m_store, m_dir.path(),
            [this](const QString &html, const QUrl &origin, int width, int height) {
                m_shown.append({html, origin, width, height});
            },
            [this] { return m_dpi; });
    }

    void cleanup()
    {
        m_channel.reset();
        m_server.reset();
    }

    void startsInFiveSecondsWithTheId()
    {
        m_channel->start();
        QVERIFY(m_channel->AdRotator1().Enabled());
        QCOMPARE(m_channel->AdRotator1().Seconds(), 5);
        QCOMPARE(m_channel->AdRotator1().timer().interval(), 5000);
        m_server->serve(sponsorPath(), "<adinfo enabled=false>", "text/html");
        tickAndWait();
        QCOMPARE(lastTarget(), sponsorPath().toUtf8() + "?uniqueid=4711");
        QCOMPARE(m_server->requests().constLast().headers.value("user-agent"), QByteArray("Kestrel Browser Ad Rotator"));
        QVERIFY(!m_server->requests().constLast().headers.contains("cookie"));
        QVERIFY(!m_channel->AdRotator1().Enabled());
    }

    void campaignAnswerSteersTheNextRequest()
    {
        m_channel->start();
        m_server->serve(sponsorPath(), R"(<html><body><ADINFO seconds="300" enabled="true" campaign=abc visible=1></body></html>)",
                        "text/html");
        tickAndWait();
        QVERIFY(m_channel->AdRotator1().Enabled());
        QCOMPARE(m_channel->AdRotator1().timer().interval(), 300000);
        tickAndWait();
        QCOMPARE(lastTarget(), sponsorPath().toUtf8() + "?CAMPAIGN=abc");
        // The address is built per request: the parameters never pile up.
        tickAndWait();
        QCOMPARE(lastTarget(), sponsorPath().toUtf8() + "?CAMPAIGN=abc");
        QCOMPARE(m_channel->failures(), 0);
    }

    void answerAttributes_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("seconds");
        QTest::newRow("no enabled attribute leaves it off") << QByteArray("<adinfo seconds=30>") << false << 30;
        QTest::newRow("a bad seconds value gives 120") << QByteArray("<adinfo seconds=x enabled=yes>") << true << 120;
        QTest::newRow("FALSE in any case stops") << QByteArray("<adinfo enabled=FALSE>") << false << 5;
        QTest::newRow("no adinfo tag changes nothing") << QByteArray("<p>nothing</p>") << false << 5;
    }

    void answerAttributes()
    {
        QFETCH(QByteArray, answer);
        QFETCH(bool, enabled);
        QFETCH(int, seconds);
        m_channel->start();
        m_server->serve(sponsorPath(), answer, "text/html");
        tickAndWait();
        QCOMPARE(m_channel->AdRotator1().Enabled(), enabled);
        QCOMPARE(m_channel->AdRotator1().Seconds(), seconds);
    }

    void nextBaseUrlMovesTheRequests()
    {
        m_channel->start();
        const QString next = m_server->url(QStringLiteral("/other")).toString();
        m_server->serve(sponsorPath(), "<adinfo nextbaseurl=" + next.toUtf8() + " enabled=true>", "text/html");
        m_server->serve(QStringLiteral("/other"), "<adinfo enabled=false>", "text/html");
        tickAndWait();
        tickAndWait();
        QCOMPARE(lastTarget(), QByteArray("/other"));
    }

    void failuresRetryAMinuteApartThenStop_data()
    {
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<int>("status");
        QTest::newRow("text/plain") << QByteArray("text/plain") << 200;
        QTest::newRow("html with a charset") << QByteArray("text/html; charset=utf-8") << 200;
        QTest::newRow("not found") << QByteArray("text/html") << 404;
    }

    void failuresRetryAMinuteApartThenStop()
    {
        QFETCH(QByteArray, contentType);
        QFETCH(int, status);
        m_channel->start();
        m_server->serve(sponsorPath(), "<adinfo enabled=true seconds=10>", contentType, status);
        for (int failure = 1; failure <= 3; ++failure) {
            tickAndWait();
            QCOMPARE(m_channel->failures(), failure);
            QVERIFY(m_channel->AdRotator1().Enabled());
            QCOMPARE(m_channel->AdRotator1().Seconds(), 60);
        }
        tickAndWait();
        QCOMPARE(m_channel->failures(), 4);
        QVERIFY(!m_channel->AdRotator1().Enabled());
    }

    void aNetworkFailureCountsToo()
    {
        m_store->writeString(SettingsStore::MainSection, QStringLiteral("Sponsor Host"), QStringLiteral("127.0.0.1:1"));
        m_channel->start();
        m_channel->AdRotator1().tick();
        QVERIFY(waitUntil([&] { return m_channel->failures() == 1; }));
        QVERIFY(m_channel->AdRotator1().Enabled());
    }

    void showDialogScalesToTheScreen_data()
    {
        QTest::addColumn<QPointF>("dpi");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("120 dpi") << QPointF(120, 120) << 400 << 300;
        QTest::newRow("96 dpi") << QPointF(96, 96) << 500 << 375;
        QTest::newRow("144 by 72") << QPointF(144, 72) << 333 << 500;
    }

    void showDialogScalesToTheScreen()
    {
        QFETCH(QPointF, dpi);
        QFETCH(int, width);
        QFETCH(int, height);
        m_dpi = dpi;
        m_channel->start();
        const QByteArray answer = "<html>\r\n<adinfo showdialog=TRUE width=400 height=\"300\">\r\n<a href=x>x</a></html>";
        m_server->serve(sponsorPath(), answer, "text/html");
        tickAndWait();
        QVERIFY(waitUntil([&] { return !m_shown.isEmpty(); }));
        QCOMPARE(m_shown.size(), 1);
        QCOMPARE(m_shown[0].width, width);
        QCOMPARE(m_shown[0].height, height);
        QCOMPARE(m_shown[0].html, QString::fromUtf8(answer));
        // Shown with the sponsor server as its origin; the answer is also kept as dialog.html.
        QCOMPARE(m_shown[0].origin.toString(), m_server->url(sponsorPath()).toString() + QStringLiteral("?uniqueid=4711"));
        QCOMPARE(TextFile::readLines(QDir(m_dir.path()).filePath(QStringLiteral("dialog.html"))),
                 std::optional<QStringList>(TextFile::splitLines(QString::fromUtf8(answer))));
    }

    void badSizesKeepTheDialogsOwn()
    {
        m_channel->start();
        m_server->serve(sponsorPath(), "<adinfo showdialog=true width=wide>", "text/html");
        tickAndWait();
        QVERIFY(waitUntil([&] { return !m_shown.isEmpty(); }));
        QCOMPARE(m_shown[0].width, 0);
        QCOMPARE(m_shown[0].height, 0);
    }

    void throughTheProxyOfTheMainSection()
    {
        // The loopback server stands in for the proxy: a proxied request names the whole address.
        m_store->writeString(SettingsStore::MainSection, QStringLiteral("Sponsor Host"), QStringLiteral("sponsor.invalid"));
        m_store->writeBool(SettingsStore::MainSection, QStringLiteral("Use Proxy"), true);
        m_store->writeString(SettingsStore::MainSection, QStringLiteral("Proxy Address"), QStringLiteral("127.0.0.1"));
        m_store->writeString(SettingsStore::MainSection, QStringLiteral("Proxy Port"), QString::number(m_server->port()));
        m_channel->start();
        tickAndWait();
        QCOMPARE(lastTarget(), QByteArray("http://sponsor.invalid/kestrelbrowser/ads/dialog.php3?uniqueid=4711"));
    }
};

KESTREL_TEST(SponsorChannelTest)
#include "SponsorChannelTest.moc"
