#include "testkit/LoopbackServer.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTest>

// The loopback server answers what it was given, records what it was asked, and is reached
// under two host names.
class LoopbackServerTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnQtWarnings(); }
    void servesGivenPathsAndRecordsRequests();

private:
    // The reply once it finished, or null when it never did.
    static std::unique_ptr<QNetworkReply> finished(QNetworkReply *reply)
    {
        std::unique_ptr<QNetworkReply> owned(reply);
        if (!QTest::qWaitFor([reply] { return reply->isFinished(); }, 5000))
            return nullptr;
        return owned;
    }

    QNetworkAccessManager m_network;
};

void LoopbackServerTest::servesGivenPathsAndRecordsRequests()
{
    LoopbackServer server;
    QVERIFY(server.isListening());
    QVERIFY(server.port() > 0);
    LoopbackServer::Response moved;
    moved.status = 503;
    moved.contentType = "text/plain";
    moved.body = "later";
    moved.headers = {{"Retry-After", "120"}};
    server.serve(QStringLiteral("/busy"), moved);
    server.serve(QStringLiteral("/page.html"), "<p>hi</p>");

    const auto page = finished(m_network.get(QNetworkRequest(server.url(QStringLiteral("/page.html")))));
    QVERIFY(page);
    QCOMPARE(page->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
    QCOMPARE(page->header(QNetworkRequest::ContentTypeHeader).toString(), QStringLiteral("text/html; charset=utf-8"));
    QCOMPARE(page->readAll(), QByteArray("<p>hi</p>"));

    QNetworkRequest busyRequest(server.url(QStringLiteral("/busy"), QStringLiteral("localhost")));
    busyRequest.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-www-form-urlencoded"));
    busyRequest.setRawHeader("X-Probe", "yes");
    const auto busy = finished(m_network.post(busyRequest, QByteArray("a=1&b=2")));
    QVERIFY(busy);
    QCOMPARE(busy->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 503);
    QCOMPARE(busy->rawHeader("Retry-After"), QByteArray("120"));
    QCOMPARE(busy->readAll(), QByteArray("later"));

    QUrl missingUrl = server.url(QStringLiteral("/missing"));
    missingUrl.setQuery(QStringLiteral("x=1"));
    const auto missing = finished(m_network.get(QNetworkRequest(missingUrl)));
    QVERIFY(missing);
    QCOMPARE(missing->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 404);

    const QList<LoopbackServer::Request> requests = server.requests();
    QCOMPARE(requests.size(), 3);
    QCOMPARE(requests.at(0).method, QByteArray("GET"));
    QCOMPARE(requests.at(0).path, QStringLiteral("/page.html"));
    QCOMPARE(requests.at(1).method, QByteArray("POST"));
    QCOMPARE(requests.at(1).headers.value("x-probe"), QByteArray("yes"));
    QCOMPARE(requests.at(1).headers.value("host"), QByteArray("localhost:") + QByteArray::number(server.port()));
    QCOMPARE(requests.at(1).body, QByteArray("a=1&b=2"));
    QCOMPARE(requests.at(2).target, QByteArray("/missing?x=1"));
    QCOMPARE(requests.at(2).path, QStringLiteral("/missing"));
    server.clearRequests();
    QVERIFY(server.requests().isEmpty());
}

KESTREL_TEST(LoopbackServerTest)
#include "LoopbackServerTest.moc"
