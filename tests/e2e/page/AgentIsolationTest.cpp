#include "browser/engine/EngineProfile.h"
#include "browser/page/PageDocument.h"
#include "browser/page/PageElement.h"
#include "browser/page/PageWindow.h"
#include "testkit/EngineFixture.h"
#include "testkit/WaitUntil.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

// A hostile page and a hostile frame of another origin look for any way into the program:
// globals, the web channel, the agent's messages. They must find nothing, and what they forge
// must get no answer, while the program still reaches both.
class AgentIsolationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { failOnQtWarnings(); }
    void pagesFindNoBridge();
    void forgedMessagesGetNoAnswer();
    void agentMessagesStayOutOfSight();
    void theSecretNeverReachesThePage();
    void theProgramStillReachesTheFrame();

private:
    EngineFixture m_fixture;
    std::shared_ptr<PageDocument> m_document;
    QJsonObject m_top;
    QJsonObject m_frame;
    QString m_visible;
};

namespace {
// Looks for a way into the program from a page script.
const QByteArray probeScript = R"(
function probeBridge() {
    var found = [];
    if (typeof qt !== 'undefined') found.push('qt');
    ['QWebChannel', 'QObject', 'kestrelPageAgent', 'pageAgentBridge', 'webChannelTransport'].forEach(function (name) {
        if (name in window) found.push(name);
    });
    var blank = document.createElement('iframe');
    document.body.appendChild(blank);
    var standard = Object.getOwnPropertyNames(blank.contentWindow);
    Object.getOwnPropertyNames(window).forEach(function (name) {
        if (standard.indexOf(name) < 0 && !/^[0-9]+$/.test(name) && name !== 'hostile' && name !== 'probeBridge')
            found.push('global ' + name);
    });
    blank.remove();
    return found;
}
)";

// Records every message from the start of the document.
const QByteArray recorder = R"(
var hostile = {seen: [], forgedAnswers: [], reports: []};
window.addEventListener('message', function (event) {
    if (event.data && event.data.hostileReport) { hostile.reports.push(event.data.hostileReport); return; }
    if (event.data && event.data.reportNow) {
        event.source.postMessage({hostileReport: JSON.parse(JSON.stringify(hostile))}, '*');
        return;
    }
    hostile.seen.push(JSON.stringify(event.data) + ' ports=' + event.ports.length);
}, true);
)";

// A message channel whose far end goes out with a forged agent message; anything coming back
// is recorded.
const QByteArray forge = R"(
hostile.forgedPort = function () {
    var channel = new MessageChannel();
    channel.port1.onmessage = function (event) { hostile.forgedAnswers.push(JSON.stringify(event.data)); };
    return channel;
};
hostile.forgedOffer = {'kestrel-page-agent': {nonce: 'forged', proof: 'forged'}};
)";
}

void AgentIsolationTest::initTestCase()
{
    LoopbackServer &server = m_fixture.server();
    server.serve(QStringLiteral("/probe.js"), probeScript + forge, "text/javascript");
    const QByteArray frameUrl = server.url(QStringLiteral("/frame.html"), QStringLiteral("localhost")).toEncoded();
    server.serve(QStringLiteral("/top.html"),
                 "<!DOCTYPE html><html><head><title>hostile</title><script>" + recorder
                     + "</script><script src=\"/probe.js\"></script></head><body>"
                       "<iframe id=\"victim\" src=\"" + frameUrl + "\"></iframe><script>"
                       "document.getElementById('victim').addEventListener('load', function () {"
                       "  var channel = hostile.forgedPort();"
                       "  frames[0].postMessage(hostile.forgedOffer, '*', [channel.port2]);"
                       "  window.postMessage({'kestrel-page-agent': {hello: true}}, '*');"
                       "  channel.port1.postMessage({t: 'request', id: 1, target: '1', op: 'document', args: []});"
                       "  hostile.found = probeBridge();"
                       "  setTimeout(function () { frames[0].postMessage({reportNow: true}, '*'); }, 1500);"
                       "});</script></body></html>");
    server.serve(QStringLiteral("/frame.html"),
                 "<!DOCTYPE html><html><head><script>" + recorder
                     + "</script><script src=\"/probe.js\"></script></head><body>"
                       "<input id=\"secret\" value=\"top secret\"/><script>"
                       "window.addEventListener('load', function () {"
                       "  hostile.found = probeBridge();"
                       "  top.postMessage({'kestrel-page-agent': {hello: true}}, '*');"
                       "  var channel = hostile.forgedPort();"
                       "  top.postMessage(hostile.forgedOffer, '*', [channel.port2]);"
                       "  channel.port1.postMessage({t: 'proof', nonce: 'forged', proof: 'forged'});"
                       "});</script></body></html>");

    m_document = m_fixture.open(server.url(QStringLiteral("/top.html")));
    QVERIFY(m_document);
    QVERIFY(waitUntil([this] { return m_fixture.runPageScript(QStringLiteral("hostile.reports.length")).toInt() == 1; }));
    m_top = QJsonDocument::fromJson(m_fixture.runPageScript(QStringLiteral("JSON.stringify(hostile)")).toString().toUtf8()).object();
    m_frame = m_top.value(QLatin1String("reports")).toArray().at(0).toObject();
    m_visible = m_fixture.runPageScript(QStringLiteral("document.documentElement.outerHTML + JSON.stringify(hostile)")).toString();
}

void AgentIsolationTest::pagesFindNoBridge()
{
    QCOMPARE(m_top.value(QLatin1String("found")).toArray(), QJsonArray());
    QCOMPARE(m_frame.value(QLatin1String("found")).toArray(), QJsonArray());
}

void AgentIsolationTest::forgedMessagesGetNoAnswer()
{
    QCOMPARE(m_top.value(QLatin1String("forgedAnswers")).toArray(), QJsonArray());
    QCOMPARE(m_frame.value(QLatin1String("forgedAnswers")).toArray(), QJsonArray());
}

void AgentIsolationTest::agentMessagesStayOutOfSight()
{
    // Each page sees exactly the forged offer the other posted to it, untouched, and nothing of
    // the agents' own traffic: not the frame agent's hello, not the offer the forged hello
    // drew from the top-level agent, nor any proof.
    const QString forged = QStringLiteral("{\"kestrel-page-agent\":{\"nonce\":\"forged\",\"proof\":\"forged\"}} ports=1");
    QCOMPARE(m_frame.value(QLatin1String("seen")).toArray(), QJsonArray{forged});
    // A hello the top page posts to itself draws no offer: the page sees just its own message.
    const QString ownHello = QStringLiteral("{\"kestrel-page-agent\":{\"hello\":true}} ports=0");
    const QJsonArray topSeen = m_top.value(QLatin1String("seen")).toArray();
    QCOMPARE(topSeen.size(), 2);
    QVERIFY(topSeen.contains(forged));
    QVERIFY(topSeen.contains(ownHello));
}

void AgentIsolationTest::theSecretNeverReachesThePage()
{
    QVERIFY(!m_visible.isEmpty());
    QVERIFY(!m_visible.contains(pageAgentSecret()));
}

void AgentIsolationTest::theProgramStillReachesTheFrame()
{
    const auto frame = m_document->elementById(QStringLiteral("victim"));
    QVERIFY(frame);
    const auto frameDocument = frame->contentWindow()->document();
    QVERIFY(frameDocument);
    QCOMPARE(frameDocument->elementById(QStringLiteral("secret"))->value(), QStringLiteral("top secret"));
}

KESTREL_TEST(AgentIsolationTest)
#include "AgentIsolationTest.moc"
