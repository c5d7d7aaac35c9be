#include "support/HttpDownload.h"
#include "testkit/AppWarnings.h"
#include "testkit/LoopbackServer.h"
#include "testkit/TestRegistry.h"
#include "testkit/WaitUntil.h"

#include <QSignalSpy>
#include <QTest>
#include <memory>

using Failure = HttpDownload::Failure;
Q_DECLARE_METATYPE(HttpDownload::Failure)

class HttpDownloadTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<LoopbackServer> m_server;

    static LoopbackServer::Response response(int status, const QByteArray &type, const QByteArray &body)
    {
        LoopbackServer::Response r;
        r.status = status;
        r.contentType = type;
        r.body = body;
        return r;
    }

    static LoopbackServer::Response redirect(const QByteArray &location)
    {
        LoopbackServer::Response r = response(302, "text/plain", QByteArray());
        r.headers.append({"Location", location});
        return r;
    }

    // Runs a download to its end.
    static void run(HttpDownload &download, const QUrl &url, qint64 cap)
    {
        QSignalSpy finished(&download, &HttpDownload::finished);
        download.get(url, cap);
        QVERIFY(waitUntil([&] { return finished.count() > 0; }));
        QCOMPARE(finished.count(), 1);
        QVERIFY(!download.isRunning());
    }

private slots:
    void init()
    {
        failOnAppWarnings();
        m_server = std::make_unique<LoopbackServer>();
        QVERIFY(m_server->isListening());
        m_server->serve(QStringLiteral("/plain.txt"), response(200, "text/plain", "one\r\ntwo\r\n"));
        m_server->serve(QStringLiteral("/big"), response(200, "text/plain", QByteArray(4096, 'x')));
        LoopbackServer::Response unannounced = response(200, "text/plain", QByteArray(4096, 'x'));
        unannounced.announceLength = false;
        m_server->serve(QStringLiteral("/unannounced"), unannounced);
        m_server->serve(QStringLiteral("/error"), response(503, "text/html", "<p>busy</p>"));
        // A chain of redirects: /hop1 -> /hop2 -> ... -> /hop6 -> /plain.txt.
        for (int i = 1; i <= 6; ++i) {
            const QByteArray next = i == 6 ? QByteArray("/plain.txt") : "/hop" + QByteArray::number(i + 1);
            m_server->serve(QStringLiteral("/hop%1").arg(i), redirect(next));
        }
        m_server->serve(QStringLiteral("/to-ftp"), redirect("ftp://127.0.0.1/file"));
    }

    void cleanup() { m_server.reset(); }

    // Every way a request ends, with what can be read afterwards.
    void endings_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<qint64>("cap");
        QTest::addColumn<Failure>("failure");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");

        QTest::newRow("plain text") << "/plain.txt" << qint64(1024) << Failure::None << 200 << QByteArray("one\r\ntwo\r\n");
        QTest::newRow("body exactly at the cap") << "/big" << qint64(4096) << Failure::None << 200 << QByteArray(4096, 'x');
        QTest::newRow("announced above the cap") << "/big" << qint64(4095) << Failure::TooLarge << 200 << QByteArray();
        QTest::newRow("received above the cap") << "/unannounced" << qint64(1000) << Failure::TooLarge << 200
                                                << QByteArray();
        QTest::newRow("missing file") << "/nothing" << qint64(1024) << Failure::HttpStatus << 404
                                      << QByteArray("Not Found");
        QTest::newRow("server error") << "/error" << qint64(1024) << Failure::HttpStatus << 503
                                      << QByteArray("<p>busy</p>");
        QTest::newRow("five redirects") << "/hop2" << qint64(1024) << Failure::None << 200
                                        << QByteArray("one\r\ntwo\r\n");
        QTest::newRow("six redirects") << "/hop1" << qint64(1024) << Failure::Redirect << 302 << QByteArray();
        QTest::newRow("redirect to ftp") << "/to-ftp" << qint64(1024) << Failure::Redirect << 302 << QByteArray();
    }

    void endings()
    {
        QFETCH(QString, path);
        QFETCH(qint64, cap);
        QFETCH(Failure, failure);
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        HttpDownload download;
        run(download, m_server->url(path), cap);
        QCOMPARE(download.failure(), failure);
        QCOMPARE(download.statusCode(), status);
        if (failure == Failure::None || failure == Failure::HttpStatus)
            QCOMPARE(download.body(), body);
        QCOMPARE(download.errorText().isEmpty(), failure == Failure::None);
    }

    void statusReasonAndContentTypeAreThoseSent()
    {
        m_server->serve(QStringLiteral("/typed"), response(200, "text/plain; charset=utf-8", "x"));
        HttpDownload download;
        run(download, m_server->url(QStringLiteral("/typed")), 10);
        QCOMPARE(download.reasonPhrase(), QStringLiteral("OK"));
        QCOMPARE(download.contentType(), QByteArray("text/plain; charset=utf-8"));
        run(download, m_server->url(QStringLiteral("/gone")), 10);
        QCOMPARE(download.errorText(), QStringLiteral("404 Not Found"));
        // A new request starts from an empty buffer.
        QCOMPARE(download.body(), QByteArray("Not Found"));
    }

    void onlyWebAddressesAreFetched_data()
    {
        QTest::addColumn<QUrl>("url");
        QTest::newRow("ftp") << QUrl(QStringLiteral("ftp://127.0.0.1/x"));
        QTest::newRow("file") << QUrl(QStringLiteral("file:///etc/passwd"));
        QTest::newRow("data") << QUrl(QStringLiteral("data:text/plain,hello"));
        QTest::newRow("no host") << QUrl(QStringLiteral("http:///x"));
    }

    void onlyWebAddressesAreFetched()
    {
        QFETCH(QUrl, url);
        HttpDownload download;
        run(download, url, 1024);
        QCOMPARE(download.failure(), Failure::Scheme);
        QVERIFY(download.body().isEmpty());
    }

    void progressCountsBytesAgainstTheAnnouncedLength()
    {
        LoopbackServer::Response half = response(200, "text/plain", QByteArray(2000, 'y'));
        half.stallAfter = 1000;
        m_server->serve(QStringLiteral("/half"), half);
        HttpDownload download;
        QSignalSpy progress(&download, &HttpDownload::progress);
        download.get(m_server->url(QStringLiteral("/half")), 4096);
        QVERIFY(waitUntil([&] { return !progress.isEmpty() && progress.last().at(0).toLongLong() == 1000; }));
        QCOMPARE(progress.last().at(1).toLongLong(), qint64(2000));
        QVERIFY(download.isRunning());
        QVERIFY(download.idleTimer().isActive());
        QCOMPARE(download.idleTimer().interval(), 30000);
    }

    void aStalledServerEndsWithATimeoutAndAbortEndsAtOnce_data()
    {
        QTest::addColumn<bool>("byAbort");
        QTest::newRow("idle tick") << false;
        QTest::newRow("abort") << true;
    }

    void aStalledServerEndsWithATimeoutAndAbortEndsAtOnce()
    {
        QFETCH(bool, byAbort);
        LoopbackServer::Response stalled = response(200, "text/plain", QByteArray(2000, 'y'));
        stalled.stallAfter = 10;
        m_server->serve(QStringLiteral("/stalled"), stalled);
        HttpDownload download;
        QSignalSpy progress(&download, &HttpDownload::progress);
        QSignalSpy finished(&download, &HttpDownload::finished);
        download.get(m_server->url(QStringLiteral("/stalled")), 4096);
        QVERIFY(waitUntil([&] { return !progress.isEmpty(); }));
        if (byAbort)
            download.abort();
        else
            download.idleTimeoutTick();
        // Both end the request before they return.
        QCOMPARE(finished.count(), 1);
        QVERIFY(!download.isRunning());
        QCOMPARE(download.failure(), byAbort ? Failure::Aborted : Failure::Timeout);
        QVERIFY(!download.idleTimer().isActive());
        QTest::qWait(50);
        QCOMPARE(finished.count(), 1);
    }

    void aProxyCarriesTheRequest()
    {
        // The proxy answers requests for any host; the name below resolves nowhere.
        LoopbackServer proxy;
        proxy.serve(QStringLiteral("/via/proxy.txt"), response(200, "text/plain", "proxied"));
        HttpDownload download;
        download.setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), proxy.port()));
        run(download, QUrl(QStringLiteral("http://update.kestrel.invalid/via/proxy.txt")), 1024);
        QCOMPARE(download.failure(), Failure::None);
        QCOMPARE(download.body(), QByteArray("proxied"));
        QCOMPARE(proxy.requests().size(), 1);
        QCOMPARE(proxy.requests().first().target, QByteArray("http://update.kestrel.invalid/via/proxy.txt"));
        QVERIFY(m_server->requests().isEmpty());
    }
};

KESTREL_TEST(HttpDownloadTest)
#include "HttpDownloadTest.moc"
