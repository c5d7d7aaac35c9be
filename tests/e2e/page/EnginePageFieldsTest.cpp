#include "browser/TKestrelWB.h"
#include "browser/page/PageDocument.h"
#include "browser/page/PageElement.h"
#include "browser/page/PageForm.h"
#include "browser/page/PageTextRange.h"
#include "browser/page/PageWindow.h"
#include "testkit/EngineFixture.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"

#include <QTest>

// Text boxes and text areas read and written through the engine's page document: in the
// top-level page, in a frame of the same origin and in a frame of another origin.
class EnginePageFieldsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { failOnQtWarnings(); }
    void fieldsInEveryFrame_data();
    void fieldsInEveryFrame();
    void textRangeSelectsInsideAFrame();
    void focusReachesTheFieldInAFrameOfAnotherOrigin();

private:
    std::shared_ptr<PageDocument> frameDocument(const QString &frameId);

    EngineFixture m_fixture;
    std::shared_ptr<PageDocument> m_top;
};

namespace {
QByteArray fieldsPage(const QByteArray &title)
{
    return "<!DOCTYPE html><html><head><title>" + title + "</title></head><body>"
           "<form id=\"f\"><input id=\"box\" name=\"city\" value=\"Oslo\"/>"
           "<textarea id=\"area\" name=\"note\">first line\nsecond</textarea></form>"
           "</body></html>";
}
}

void EnginePageFieldsTest::initTestCase()
{
    LoopbackServer &server = m_fixture.server();
    server.serve(QStringLiteral("/same.html"), fieldsPage("same"));
    server.serve(QStringLiteral("/cross.html"), fieldsPage("cross"));
    const QByteArray crossUrl = server.url(QStringLiteral("/cross.html"), QStringLiteral("localhost")).toEncoded();
    server.serve(QStringLiteral("/top.html"),
                 "<!DOCTYPE html><html><head><title>top</title></head><body>"
                 "<form id=\"f\"><input id=\"box\" name=\"city\" value=\"Oslo\"/>"
                 "<textarea id=\"area\" name=\"note\">first line\nsecond</textarea></form>"
                 "<iframe id=\"same\" src=\"same.html\"></iframe>"
                 "<iframe id=\"cross\" src=\"" + crossUrl + "\"></iframe>"
                 "</body></html>");
    m_top = m_fixture.open(server.url(QStringLiteral("/top.html")));
    QVERIFY(m_top);
}

std::shared_ptr<PageDocument> EnginePageFieldsTest::frameDocument(const QString &frameId)
{
    if (frameId.isEmpty())
        return m_top;
    const auto frame = m_top->elementById(frameId);
    if (!frame)
        return nullptr;
    const auto window = frame->contentWindow();
    return window ? window->document() : nullptr;
}

void EnginePageFieldsTest::fieldsInEveryFrame_data()
{
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("host");
    QTest::newRow("top-level page") << QString() << QStringLiteral("127.0.0.1");
    QTest::newRow("frame of the same origin") << QStringLiteral("same") << QStringLiteral("127.0.0.1");
    QTest::newRow("frame of another origin") << QStringLiteral("cross") << QStringLiteral("localhost");
}

void EnginePageFieldsTest::fieldsInEveryFrame()
{
    QFETCH(QString, frame);
    QFETCH(QString, host);
    const auto document = frameDocument(frame);
    QVERIFY(document);
    QCOMPARE(QUrl(document->url()).host(), host);

    const auto box = document->elementById(QStringLiteral("box"));
    QVERIFY(box);
    QCOMPARE(box->tagName(), QStringLiteral("INPUT"));
    QCOMPARE(box->getAttribute(QStringLiteral("TYPE")), QStringLiteral("text"));
    QVERIFY(box->isTextField());
    QCOMPARE(box->name(), QStringLiteral("city"));
    QCOMPARE(box->value(), QStringLiteral("Oslo"));

    // Text that would break a script if it were pasted in unescaped.
    const QString awkward = QStringLiteral("it's \"quoted\" \\ </script> \u2028 ${x} \U0001F600");
    QVERIFY(box->setValue(awkward));
    QCOMPARE(box->value(), awkward);
    QVERIFY(box->setSelectionRange(2, 5));
    QCOMPARE(box->selectionStart(), 2);
    QCOMPARE(box->selectionEnd(), 5);
    QVERIFY(box->replaceRange(0, 4, QStringLiteral("It is")));
    QCOMPARE(box->value(), QStringLiteral("It is \"quoted\" \\ </script> \u2028 ${x} \U0001F600"));
    QCOMPARE(box->selectionStart(), 5);
    QCOMPARE(box->selectionEnd(), 5);

    const auto area = document->elementById(QStringLiteral("area"));
    QVERIFY(area);
    QCOMPARE(area->tagName(), QStringLiteral("TEXTAREA"));
    QCOMPARE(area->value(), QStringLiteral("first line\nsecond"));
    QVERIFY(area->replaceRange(11, 17, QStringLiteral("2nd")));
    QCOMPARE(area->value(), QStringLiteral("first line\n2nd"));
    QCOMPARE(area->selectionEnd(), 14);

    // Both belong to the same form, which lists them in document order.
    const auto form = box->form();
    QVERIFY(form);
    QVERIFY(form->isSameForm(*area->form()));
    QCOMPARE(form->length(), 2);
    QVERIFY(form->item(1)->isSameNode(*area));
    QVERIFY(!form->item(2));

    // A text box is no frame and has no window; a frame element is no text field.
    QVERIFY(!box->contentWindow());
    QCOMPARE(box->selectedIndex(), -1);
    QVERIFY(!box->setChecked(true));
}

void EnginePageFieldsTest::textRangeSelectsInsideAFrame()
{
    const auto document = frameDocument(QStringLiteral("cross"));
    QVERIFY(document);
    const auto area = document->elementById(QStringLiteral("area"));
    QVERIFY(area->setValue(QStringLiteral("I went to adn the store")));
    const auto range = area->createTextRange();
    QVERIFY(range);
    QCOMPARE(range->text(), QStringLiteral("I went to adn the store"));
    const auto word = range->duplicate();
    word->collapse(true);
    QCOMPARE(word->move(QStringLiteral("character"), 10), 10);
    QCOMPARE(word->moveEnd(QStringLiteral("Character"), 3), 3);
    QCOMPARE(word->text(), QStringLiteral("adn"));
    QVERIFY(word->setText(QStringLiteral("and")));
    QVERIFY(word->select());
    QCOMPARE(area->value(), QStringLiteral("I went to and the store"));
    QCOMPARE(area->selectionStart(), 13);
    QCOMPARE(area->selectionEnd(), 13);
}

void EnginePageFieldsTest::focusReachesTheFieldInAFrameOfAnotherOrigin()
{
    const auto frame = m_top->elementById(QStringLiteral("cross"));
    const auto document = frameDocument(QStringLiteral("cross"));
    QVERIFY(document);
    const auto box = document->elementById(QStringLiteral("box"));
    QVERIFY(box->focus());
    // The focus path of the page: the frame element on top, the box inside the frame.
    QTRY_VERIFY(m_top->activeElement() && m_top->activeElement()->isSameNode(*frame));
    QVERIFY(document->activeElement()->isSameNode(*box));
    QCOMPARE(m_top->activeElement()->tagName(), QStringLiteral("IFRAME"));
}

KESTREL_TEST(EnginePageFieldsTest)
#include "EnginePageFieldsTest.moc"
