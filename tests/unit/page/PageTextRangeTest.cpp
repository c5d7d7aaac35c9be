#include "browser/page/PageDocument.h"
#include "browser/page/PageElement.h"
#include "browser/page/PageTextRange.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"
#include "testkit/memorypage/MemoryDocument.h"
#include "testkit/memorypage/MemoryPageBuilder.h"

#include <QTest>
#include <climits>

using namespace Qt::StringLiterals;

// The text range over a field's value: offsets that move, clamp, cross and replace text.
class PageTextRangeTest : public QObject
{
    Q_OBJECT

private:
    std::shared_ptr<PageElement> field(const QString &value)
    {
        m_document = MemoryPageBuilder::build(u"<html><body><input id=\"box\"/></body></html>"_s,
                                              QUrl(u"http://memory.test/index.html"_s));
        const auto box = m_document->elementById(u"box"_s);
        box->setValue(value);
        return box;
    }

    std::shared_ptr<PageDocument> m_document;

private slots:
    void init() { failOnQtWarnings(); }

    void movesStopAtTheEndsOfTheValue()
    {
        const auto range = field(u"abcdef"_s)->createTextRange();
        QCOMPARE(range->move(u"character"_s, 4), 4);
        QCOMPARE(range->move(u"character"_s, 10), 2);
        QCOMPARE(range->start(), 6);
        QCOMPARE(range->move(u"character"_s, -10), -6);
        QCOMPARE(range->start(), 0);
        QCOMPARE(range->moveEnd(u"character"_s, INT_MAX), 6);
        QCOMPARE(range->moveStart(u"character"_s, INT_MIN), 0);
        QCOMPARE(range->text(), u"abcdef"_s);
        QCOMPARE(range->move(u"character"_s, INT_MIN), 0);
        QCOMPARE(range->end(), 0);
    }

    void endsThatCrossPushTheOtherEnd()
    {
        const auto range = field(u"abcdef"_s)->createTextRange();
        QCOMPARE(range->moveEnd(u"character"_s, -4), -4);
        QCOMPARE(range->text(), u"ab"_s);
        // The start passes the end and takes it along.
        QCOMPARE(range->moveStart(u"character"_s, 3), 3);
        QCOMPARE(range->start(), 3);
        QCOMPARE(range->end(), 3);
        QCOMPARE(range->moveEnd(u"character"_s, 2), 2);
        QCOMPARE(range->text(), u"de"_s);
        // The end passes the start and pulls it back.
        QCOMPARE(range->moveEnd(u"character"_s, -4), -4);
        QCOMPARE(range->start(), 1);
        QCOMPARE(range->end(), 1);
        // Offsets given the wrong way round are put in order.
        PageTextRange reversed(field(u"xyz"_s), 3, 1);
        QCOMPARE(reversed.start(), 1);
        QCOMPARE(reversed.end(), 3);
        QCOMPARE(reversed.text(), u"yz"_s);
    }

    void unitsOtherThanCharactersMoveNothing()
    {
        const auto range = field(u"one two three"_s)->createTextRange();
        QCOMPARE(range->moveStart(u"word"_s, 1), 0);
        QCOMPARE(range->moveEnd(u"sentence"_s, -1), 0);
        QCOMPARE(range->text(), u"one two three"_s);
        QCOMPARE(range->moveStart(u"CHARACTER"_s, 4), 4);
        // Moving by another unit still collapses the range first.
        QCOMPARE(range->move(u"textedit"_s, 1), 0);
        QCOMPARE(range->start(), 4);
        QCOMPARE(range->end(), 4);
        QCOMPARE(range->move(QString(), 1), 0);
        QCOMPARE(range->start(), 4);
    }

    void setTextCollapsesAfterTheNewText()
    {
        const auto box = field(u"Hello world"_s);
        const auto range = box->createTextRange();
        QCOMPARE(range->moveStart(u"character"_s, 6), 6);
        QCOMPARE(range->moveEnd(u"character"_s, -4), -4);
        QCOMPARE(range->text(), u"w"_s);
        QVERIFY(range->setText(u"big w"_s));
        QCOMPARE(box->value(), u"Hello big world"_s);
        QCOMPARE(range->start(), 11);
        QCOMPARE(range->end(), 11);
        QCOMPARE(range->text(), QString());
        // The next text goes where the last one ended; the field's caret follows it.
        QVERIFY(range->setText(u"!"_s));
        QCOMPARE(box->value(), u"Hello big w!orld"_s);
        QCOMPARE(box->selectionStart(), 12);
        QCOMPARE(box->selectionEnd(), 12);
        QCOMPARE(range->moveEnd(u"character"_s, 10), 4);
        QCOMPARE(range->text(), u"orld"_s);
        // Empty text deletes the range.
        QVERIFY(range->setText(QString()));
        QCOMPARE(box->value(), u"Hello big w!"_s);
    }

    void offsetsComeBackInsideAShorterValue()
    {
        const auto box = field(u"a long value"_s);
        const auto range = box->createTextRange();
        range->collapse(false);
        QCOMPARE(range->start(), 12);
        QVERIFY(box->setValue(u"short"_s));
        QCOMPARE(range->text(), QString());
        // Moves count from where the range now stands, inside the new value.
        QCOMPARE(range->move(u"character"_s, -2), -2);
        QCOMPARE(range->start(), 3);
        QCOMPARE(range->moveEnd(u"character"_s, 5), 2);
        QCOMPARE(range->text(), u"rt"_s);
        const auto stale = box->createTextRange();
        QVERIFY(box->setValue(u"sh"_s));
        QVERIFY(stale->select());
        QCOMPARE(box->selectionStart(), 0);
        QCOMPARE(box->selectionEnd(), 2);
    }

    void aRangeWithoutAFieldReadsEmptyAndChangesNothing()
    {
        PageTextRange range(nullptr, 0, 4);
        QCOMPARE(range.text(), QString());
        QVERIFY(!range.setText(u"x"_s));
        QCOMPARE(range.move(u"character"_s, 2), 0);
        QVERIFY(!range.select());
        QVERIFY(!range.scrollIntoView());
    }

    void duplicatesMoveIndependently()
    {
        const auto range = field(u"abc"_s)->createTextRange();
        const auto copy = range->duplicate();
        copy->collapse(false);
        QCOMPARE(copy->text(), QString());
        QCOMPARE(range->text(), u"abc"_s);
        QCOMPARE(copy->moveStart(u"character"_s, -1), -1);
        QCOMPARE(copy->text(), u"c"_s);
        QCOMPARE(range->start(), 0);
    }
};

KESTREL_TEST(PageTextRangeTest)
#include "PageTextRangeTest.moc"
