#include "browser/tabs/TabStripLayout.h"
#include "testkit/TestRegistry.h"

#include <QTest>

class TabStripLayoutTest : public QObject
{
    Q_OBJECT

    static TabStripLayout::Input input(QList<int> lengths, int available, bool multiLine, int active,
                                       bool activeLineLast = true)
    {
        TabStripLayout::Input in;
        in.lengths = std::move(lengths);
        in.available = available;
        in.thickness = 20;
        in.multiLine = multiLine;
        in.active = active;
        in.activeLineLast = activeLineLast;
        return in;
    }

private slots:
    void oneLinePlacesTabsSideBySideAndReportsOverflow()
    {
        auto result = TabStripLayout::arrange(input({50, 60, 70}, 200, false, 0));
        QCOMPARE(result.lineCount, 1);
        QVERIFY(!result.overflow);
        QCOMPARE(result.rects[0], QRect(0, 0, 50, 20));
        QCOMPARE(result.rects[1], QRect(50, 0, 60, 20));
        QCOMPARE(result.rects[2], QRect(110, 0, 70, 20));

        auto in = input({50, 60, 70}, 100, false, 2);
        in.firstShown = 1;
        result = TabStripLayout::arrange(in);
        QVERIFY(result.overflow);
        QVERIFY(result.rects[0].isEmpty());
        QCOMPARE(result.rects[1], QRect(0, 0, 60, 20));
        QCOMPARE(result.rects[2], QRect(60, 0, 70, 20));
    }

    void severalLinesBreakWhereATabNoLongerFitsAndFillTheStrip()
    {
        // 60+60 fit in 150, the third starts a new line; 80+50 fit; the last is alone.
        const auto result = TabStripLayout::arrange(input({60, 60, 80, 50, 100}, 150, true, 4));
        QCOMPARE(result.lineCount, 3);
        for (int line : {0, 1, 2}) {
            int right = 0;
            for (const QRect &r : result.rects) {
                if (r.y() == line * 20)
                    right = std::max(right, r.right() + 1);
            }
            QCOMPARE(right, 150);
        }
        // Spare room is shared: 30 over two tabs.
        QCOMPARE(result.rects[0].width(), 75);
        QCOMPARE(result.rects[1].x(), 75);
        QCOMPARE(result.rects[3].width(), 50 + 10);
        QCOMPARE(result.rects[2].width(), 80 + 10);
    }

    void aTabWiderThanTheStripStillGetsALineOfItsOwn()
    {
        const auto result = TabStripLayout::arrange(input({300, 40}, 100, true, 0));
        QCOMPARE(result.lineCount, 2);
        QCOMPARE(result.rects[0].width(), 300);
        QVERIFY(result.rects[1].y() != result.rects[0].y());
    }

    void theActiveLineLiesNextToThePagesAndTheOthersFollowRound()
    {
        // Lines: {0,1} {2,3} {4}; the active tab 2 is on line 1.
        const QList<int> lengths{70, 70, 70, 70, 70};
        auto top = TabStripLayout::arrange(input(lengths, 150, true, 2, true));
        QCOMPARE(top.rects[2].y(), 40); // last line, next to the pages below
        QCOMPARE(top.rects[4].y(), 0);  // the line after the active one comes first
        QCOMPARE(top.rects[0].y(), 20);

        auto bottom = TabStripLayout::arrange(input(lengths, 150, true, 2, false));
        QCOMPARE(bottom.rects[2].y(), 0); // first line, next to the pages above
        QCOMPARE(bottom.rects[4].y(), 20);
        QCOMPARE(bottom.rects[0].y(), 40);
    }

    void noTabsGiveNoLines()
    {
        const auto result = TabStripLayout::arrange(input({}, 100, true, -1));
        QVERIFY(result.rects.isEmpty());
        QCOMPARE(result.lineCount, 0);
    }
};

KESTREL_TEST(TabStripLayoutTest)
#include "TabStripLayoutTest.moc"
