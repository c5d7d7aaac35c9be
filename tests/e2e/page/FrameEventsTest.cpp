#include "browser/TKestrelWB.h"
#include "browser/engine/EnginePage.h"
#include "browser/engine/WebEngineControl.h"
#include "testkit/EngineFixture.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"

#include <QTest>

// The view's navigation events for a page with frames: frames report NavigateComplete2 and
// DocumentComplete with a frame of their own, before the page's DocumentComplete.
class FrameEventsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void framesCompleteBeforeThePage();
    void aFrameKeepsItsNumberWhenItNavigates();

private:
    struct Event
    {
        QString kind;
        BrowserFrame frame;
        QString text;
    };

    int indexOf(const QString &kind, const QString &textEnd, int frameNumber = -2) const;
    const Event *find(const QString &kind, const QString &textEnd) const;

    EngineFixture m_fixture;
    QList<Event> m_events;
};

void FrameEventsTest::initTestCase()
{
    LoopbackServer &server = m_fixture.server();
    const QByteArray crossUrl = server.url(QStringLiteral("/b.html"), QStringLiteral("localhost")).toEncoded();
    server.serve(QStringLiteral("/top.html"),
                 "<!DOCTYPE html><html><head><title>Events</title></head><body>"
                 "<iframe id=\"a\" src=\"a.html\"></iframe>"
                 "<iframe id=\"b\" src=\"" + crossUrl + "\"></iframe></body></html>");
    server.serve(QStringLiteral("/a.html"), "<!DOCTYPE html><html><body>a</body></html>");
    server.serve(QStringLiteral("/b.html"), "<!DOCTYPE html><html><body>b</body></html>");
    server.serve(QStringLiteral("/c.html"), "<!DOCTYPE html><html><body>c</body></html>");

    TKestrelWB *view = m_fixture.view();
    view->OnBeforeNavigate2 = [this](TKestrelWB *, BrowserFrame frame, const QString &address, bool &) {
        m_events.append({QStringLiteral("before"), frame, address});
    };
    connect(view, &TKestrelWB::NavigateComplete2, this, [this](TKestrelWB *, BrowserFrame frame, const QString &address) {
        m_events.append({QStringLiteral("navigated"), frame, address});
    });
    connect(view, &TKestrelWB::TitleChange, this, [this, view](TKestrelWB *, const QString &title) {
        m_events.append({QStringLiteral("title"), view->Application(), title});
    });
    connect(view, &TKestrelWB::DocumentComplete, this, [this](TKestrelWB *, BrowserFrame frame, const QString &address) {
        m_events.append({QStringLiteral("complete"), frame, address});
    });
}

void FrameEventsTest::init()
{
    failOnQtWarnings();
    m_events.clear();
}

int FrameEventsTest::indexOf(const QString &kind, const QString &textEnd, int frameNumber) const
{
    for (int i = 0; i < m_events.size(); ++i) {
        const Event &event = m_events.at(i);
        if (event.kind == kind && event.text.endsWith(textEnd) && (frameNumber == -2 || event.frame.frame == frameNumber))
            return i;
    }
    return -1;
}

const FrameEventsTest::Event *FrameEventsTest::find(const QString &kind, const QString &textEnd) const
{
    const int index = indexOf(kind, textEnd);
    return index < 0 ? nullptr : &m_events.at(index);
}

void FrameEventsTest::framesCompleteBeforeThePage()
{
    TKestrelWB *view = m_fixture.view();
    QVERIFY(m_fixture.open(m_fixture.server().url(QStringLiteral("/top.html"))));

    // The page itself: before-navigate, navigate-complete, title, document-complete.
    const int before = indexOf(QStringLiteral("before"), QStringLiteral("/top.html"), 0);
    const int navigated = indexOf(QStringLiteral("navigated"), QStringLiteral("/top.html"), 0);
    const int title = indexOf(QStringLiteral("title"), QStringLiteral("Events"));
    const int complete = indexOf(QStringLiteral("complete"), QStringLiteral("/top.html"), 0);
    QVERIFY(before >= 0);
    QVERIFY(before < navigated);
    QVERIFY(navigated < title);
    QVERIFY(title < complete);
    QCOMPARE(m_events.at(complete).frame, view->Application());

    // Each frame: its own number, navigate-complete then document-complete, both before the page
    // completes.
    int frameNumbers[2] = {0, 0};
    const QString pages[2] = {QStringLiteral("/a.html"), QStringLiteral("/b.html")};
    for (int i = 0; i < 2; ++i) {
        const Event *frameNavigated = find(QStringLiteral("navigated"), pages[i]);
        QVERIFY2(frameNavigated, qPrintable(pages[i]));
        QVERIFY(frameNavigated->frame != view->Application());
        QCOMPARE(frameNavigated->frame.view, view);
        QVERIFY(frameNavigated->frame.frame > 0);
        frameNumbers[i] = frameNavigated->frame.frame;
        const int frameComplete = indexOf(QStringLiteral("complete"), pages[i], frameNumbers[i]);
        QVERIFY(frameComplete > indexOf(QStringLiteral("navigated"), pages[i]));
        QVERIFY(frameComplete < complete);
        // Navigations inside a frame are never taken for the page's own.
        const Event *frameBefore = find(QStringLiteral("before"), pages[i]);
        QVERIFY(frameBefore);
        QVERIFY(frameBefore->frame != view->Application());
    }
    QVERIFY(frameNumbers[0] != frameNumbers[1]);
    QCOMPARE(find(QStringLiteral("navigated"), QStringLiteral("/b.html"))->text,
             m_fixture.server().url(QStringLiteral("/b.html"), QStringLiteral("localhost")).toString());
}

void FrameEventsTest::aFrameKeepsItsNumberWhenItNavigates()
{
    TKestrelWB *view = m_fixture.view();
    QVERIFY(m_fixture.open(m_fixture.server().url(QStringLiteral("/top.html"))));
    const int number = find(QStringLiteral("navigated"), QStringLiteral("/b.html"))->frame.frame;
    m_events.clear();

    const QString next = m_fixture.server().url(QStringLiteral("/c.html"), QStringLiteral("localhost")).toString();
    auto *control = static_cast<WebEngineControl *>(view->control());
    control->page()->runJavaScript(QStringLiteral("document.getElementById('b').src = '%1';").arg(next));
    QTRY_VERIFY(find(QStringLiteral("complete"), QStringLiteral("/c.html")));
    QCOMPARE(find(QStringLiteral("navigated"), QStringLiteral("/c.html"))->frame.frame, number);
    QCOMPARE(find(QStringLiteral("complete"), QStringLiteral("/c.html"))->frame.frame, number);
    // The page itself did not navigate.
    QCOMPARE(indexOf(QStringLiteral("navigated"), QStringLiteral("/top.html")), -1);
    QCOMPARE(indexOf(QStringLiteral("complete"), QStringLiteral("/top.html")), -1);
}

KESTREL_TEST(FrameEventsTest)
#include "FrameEventsTest.moc"
