#include "browser/TKestrelWB.h"
#include "browser/engine/PageAgentConnection.h"
#include "browser/page/PageDocument.h"
#include "browser/page/PageElement.h"
#include "testkit/EngineFixture.h"
#include "testkit/WaitUntil.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QWebEngineScript>

// How the engine's page calls behave around the page: waits that are bounded and never
// nested, handles that outlive their document or their page, the clipboard commands, and the
// digest the frame handshake rests on.
class EnginePageCallsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { failOnQtWarnings(); }
    void agentDigestIsSha256_data();
    void agentDigestIsSha256();
    void aCallWhileAnotherWaitsIsRefused();
    void aBusyPageTimesOut();
    void clipboardCommandsFollowTheSelection();
    void handlesOfAClosedPageFailSoftly();
    // Leaves the shared view on another page: last.
    void handlesOfAnEarlierDocumentFailSoftly();

private:
    // Keeps the page's script busy for the given time, starting at once.
    void blockPage(int milliseconds);

    EngineFixture m_fixture;
    std::shared_ptr<PageDocument> m_document;
};

namespace {
const QByteArray fieldPage = "<!DOCTYPE html><html><head><title>calls</title></head><body>"
                             "<input id=\"box\" value=\"hello world\"/><input id=\"mail\" type=\"email\"/></body></html>";
}

void EnginePageCallsTest::initTestCase()
{
    m_fixture.server().serve(QStringLiteral("/field.html"), fieldPage);
    m_fixture.server().serve(QStringLiteral("/other.html"), "<!DOCTYPE html><html><body>other</body></html>");
    m_document = m_fixture.open(m_fixture.server().url(QStringLiteral("/field.html")));
    QVERIFY(m_document);
}

void EnginePageCallsTest::blockPage(int milliseconds)
{
    // The page names the block in its title as it begins: the engine passes the title on while
    // the page's script still runs, so the calls below meet a page that is busy already.
    static int blocks = 0;
    const QString mark = QStringLiteral("blocked %1").arg(++blocks);
    bool started = false;
    const auto connection = connect(m_fixture.view(), &TKestrelWB::TitleChange, this,
                                    [&](TKestrelWB *, const QString &title) { started = started || title == mark; });
    m_fixture.runPageScript(QStringLiteral("setTimeout(function () { document.title = '%2';"
                                           " var end = Date.now() + %1; while (Date.now() < end); }, 0); true")
                                .arg(milliseconds)
                                .arg(mark));
    QVERIFY(waitUntil([&started] { return started; }, milliseconds));
    disconnect(connection);
}

void EnginePageCallsTest::agentDigestIsSha256_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("digest");
    QTest::newRow("empty") << QString()
                           << QStringLiteral("e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    QTest::newRow("one block") << QStringLiteral("abc")
                               << QStringLiteral("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    QTest::newRow("two blocks")
        << QStringLiteral("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")
        << QStringLiteral("248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
}

void EnginePageCallsTest::agentDigestIsSha256()
{
    QFETCH(QString, text);
    QFETCH(QString, digest);
    const QVariant result = m_fixture.runPageScript(QStringLiteral("kestrelPageAgent.digest('%1')").arg(text),
                                                    QWebEngineScript::ApplicationWorld);
    QCOMPARE(result.toString(), digest);
}

void EnginePageCallsTest::aCallWhileAnotherWaitsIsRefused()
{
    blockPage(400);
    bool innerRan = false;
    QString innerUrl = QStringLiteral("not asked");
    QTimer::singleShot(0, this, [&] {
        innerRan = true;
        innerUrl = m_document->url();
    });
    const QString outerUrl = m_document->url();
    QVERIFY(innerRan);
    QCOMPARE(innerUrl, QString());
    QCOMPARE(outerUrl, m_fixture.server().url(QStringLiteral("/field.html")).toString());
}

void EnginePageCallsTest::aBusyPageTimesOut()
{
    const int timeout = PageAgentConnection::timeout();
    PageAgentConnection::setTimeout(200);
    blockPage(800);
    const QString url = m_document->url();
    PageAgentConnection::setTimeout(timeout);
    QCOMPARE(url, QString());
    // Once the page is free again, so are the calls.
    QVERIFY(waitUntil([this] { return !m_document->url().isEmpty(); }));
}

void EnginePageCallsTest::handlesOfAnEarlierDocumentFailSoftly()
{
    const auto box = m_document->elementById(QStringLiteral("box"));
    QVERIFY(box);
    QVERIFY(m_fixture.open(m_fixture.server().url(QStringLiteral("/other.html"))));
    QCOMPARE(box->value(), QString());
    QVERIFY(!box->setValue(QStringLiteral("x")));
    QCOMPARE(box->selectionStart(), -1);
    QCOMPARE(m_document->url(), QString());
    QVERIFY(!m_document->activeElement());
    QVERIFY(!m_document->elementById(QStringLiteral("box")));
    // The page's new document answers as usual.
    QVERIFY(m_fixture.view()->Document()->url().endsWith(QLatin1String("/other.html")));
}

void EnginePageCallsTest::handlesOfAClosedPageFailSoftly()
{
    auto view = std::make_unique<TKestrelWB>();
    // No page shown yet, no document.
    QVERIFY(!view->Document());
    bool complete = false;
    connect(view.get(), &TKestrelWB::DocumentComplete, this, [&](TKestrelWB *, BrowserFrame frame, const QString &) {
        complete = complete || frame.frame == 0;
    });
    view->Navigate(m_fixture.server().url(QStringLiteral("/field.html")).toString());
    QVERIFY(waitUntil([&complete] { return complete; }));
    const auto document = view->Document();
    QVERIFY(document);
    const auto box = document->elementById(QStringLiteral("box"));
    QCOMPARE(box->value(), QStringLiteral("hello world"));

    view.reset();
    QCOMPARE(box->value(), QString());
    QVERIFY(!box->setValue(QStringLiteral("x")));
    QVERIFY(!document->activeElement());
    QVERIFY(!document->execCommand(QStringLiteral("PASTE")));
}

void EnginePageCallsTest::clipboardCommandsFollowTheSelection()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    const auto box = m_document->elementById(QStringLiteral("box"));
    QVERIFY(box->focus());
    QVERIFY(box->setSelectionRange(0, 5));
    for (const QString &command : {QStringLiteral("CUT"), QStringLiteral("Copy"), QStringLiteral("paste")})
        QVERIFY2(m_document->queryCommandSupported(command), qPrintable(command));
    QVERIFY(m_document->queryCommandEnabled(QStringLiteral("COPY")));
    QVERIFY(m_document->queryCommandEnabled(QStringLiteral("CUT")));
    QVERIFY(m_document->execCommand(QStringLiteral("COPY")));
    QVERIFY(waitUntil([clipboard] { return clipboard->text() == QLatin1String("hello"); }));

    // Plain text is in the field as soon as the command returns, so the clipboard may be given
    // back at once.
    QVERIFY(box->setSelectionRange(6, 11));
    clipboard->setText(QStringLiteral("there"));
    QVERIFY(m_document->queryCommandEnabled(QStringLiteral("PASTE")));
    QVERIFY(m_document->execCommand(QStringLiteral("PASTE")));
    clipboard->setText(QStringLiteral("restored"));
    QCOMPARE(box->value(), QStringLiteral("hello there"));
    QCOMPARE(box->selectionStart(), 11);

    // Without a selection nothing can be copied; outside a field nothing can be pasted.
    QVERIFY(!m_document->queryCommandEnabled(QStringLiteral("copy")));
    QVERIFY(!m_document->execCommand(QStringLiteral("cut")));
    QVERIFY(m_fixture.runPageScript(QStringLiteral("document.activeElement.blur(); true")).toBool());
    QVERIFY(!m_document->queryCommandEnabled(QStringLiteral("PASTE")));
    QVERIFY(!m_document->execCommand(QStringLiteral("PASTE")));
    QCOMPARE(box->value(), QStringLiteral("hello there"));

    // Boxes that keep their selection to themselves still take a paste.
    const auto mail = m_document->elementById(QStringLiteral("mail"));
    QVERIFY(mail->focus());
    clipboard->setText(QStringLiteral("me@example.org"));
    QVERIFY(m_document->queryCommandEnabled(QStringLiteral("PASTE")));
    QVERIFY(m_document->execCommand(QStringLiteral("PASTE")));
    QCOMPARE(mail->value(), QStringLiteral("me@example.org"));
    QVERIFY(m_document->queryCommandEnabled(QStringLiteral("COPY")));
}

KESTREL_TEST(EnginePageCallsTest)
#include "EnginePageCallsTest.moc"
