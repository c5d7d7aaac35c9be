#include "search/ProxySettings.h"
#include "search/SearchListUpdate.h"
#include "shell/SettingsStore.h"
#include "testkit/TestRegistry.h"

#include <QNetworkProxy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using Outcome = SearchListUpdate::Outcome;
Q_DECLARE_METATYPE(SearchListUpdate::Outcome)

class UpdateRulesTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    SettingsStore settings() const { return SettingsStore(m_dir->filePath(QStringLiteral("registry.ini"))); }

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void whatTheEndOfADownloadLeadsTo_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("cancelled");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<Outcome>("outcome");
        const QString good = QStringLiteral("http://u.example/multisearch/update.txt");
        QTest::newRow("saved") << good << false << 200 << QByteArray("text/plain") << Outcome::Save;
        QTest::newRow("charset parameter") << good << false << 200 << QByteArray("text/plain; charset=utf-8")
                                           << Outcome::CouldNotUpdate;
        QTest::newRow("html") << good << false << 200 << QByteArray("text/html") << Outcome::CouldNotUpdate;
        QTest::newRow("upper-case type") << good << false << 200 << QByteArray("Text/Plain") << Outcome::CouldNotUpdate;
        QTest::newRow("status 203") << good << false << 203 << QByteArray("text/plain") << Outcome::CouldNotUpdate;
        QTest::newRow("cancelled") << good << true << 200 << QByteArray("text/plain") << Outcome::CouldNotUpdate;
        QTest::newRow("file name case") << "http://u.example/multisearch/Update.txt" << false << 200
                                        << QByteArray("text/plain") << Outcome::CouldNotUpdate;
        QTest::newRow("no file name") << "http://u.example/multisearch/" << false << 200 << QByteArray("text/plain")
                                      << Outcome::FileNameNotFound;
    }

    void whatTheEndOfADownloadLeadsTo()
    {
        QFETCH(QString, address);
        QFETCH(bool, cancelled);
        QFETCH(int, status);
        QFETCH(QByteArray, type);
        QFETCH(Outcome, outcome);
        QCOMPARE(SearchListUpdate::judge(QUrl(address), cancelled, status, type), outcome);
    }

    void theUpdateAddress_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("address");
        QTest::newRow("default") << QString() << "https://www.kestrelbrowser.org/multisearch/update.txt";
        QTest::newRow("host and port") << "http://127.0.0.1:8080" << "http://127.0.0.1:8080/multisearch/update.txt";
        QTest::newRow("host alone") << "updates.example.org" << "https://updates.example.org/multisearch/update.txt";
        QTest::newRow("trailing slash") << "http://u.example/" << "http://u.example/multisearch/update.txt";
    }

    void theUpdateAddress()
    {
        QFETCH(QString, server);
        QFETCH(QString, address);
        SettingsStore store = settings();
        if (!server.isEmpty())
            store.writeString(SettingsStore::MultiSearchSection, SearchListUpdate::UpdateServerKey, server);
        QCOMPARE(SearchListUpdate::updateAddress(store).toString(), address);
    }

    void proxySettingsDefaultsAndPorts()
    {
        SettingsStore store = settings();
        const ProxySettings fresh = ProxySettings::readForDownload(store, SettingsStore::MultiSearchSection);
        QVERIFY(!fresh.useProxy);
        QCOMPARE(fresh.port, QStringLiteral("80"));
        QCOMPARE(ProxySettings::readForWindow(store).port, QString());

        // An empty port stays empty: the download reads the empty text, not "80", and refuses it.
        ProxySettings{true, QStringLiteral("proxy.example"), QString()}.write(store);
        const ProxySettings stored = ProxySettings::readForDownload(store, SettingsStore::MultiSearchSection);
        QVERIFY(stored.useProxy);
        QCOMPARE(stored.port, QString());
        QString error;
        QVERIFY(!stored.proxy(&error));
        QCOMPARE(error, QStringLiteral("\"\" is not a valid proxy port."));

        error.clear();
        const std::optional<QNetworkProxy> proxy = ProxySettings{true, QStringLiteral("proxy.example"), QStringLiteral("3128")}.proxy(&error);
        QVERIFY(error.isEmpty());
        QVERIFY(proxy);
        QCOMPARE(proxy->type(), QNetworkProxy::HttpProxy);
        QCOMPARE(proxy->hostName(), QStringLiteral("proxy.example"));
        QCOMPARE(proxy->port(), quint16(3128));
        const ProxySettings off{false, QStringLiteral("proxy.example"), QStringLiteral("3128")};
        QVERIFY(!off.proxy(&error));
        QVERIFY(error.isEmpty());
    }
};

KESTREL_TEST(UpdateRulesTest)
#include "UpdateRulesTest.moc"
