#include "testkit/TestRegistry.h"
#include "ui/BandLayout.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {
// Bands written "name:minWidth:width", each prefixed by "/" for a row break, "-" when hidden
// and "=" when fixed in size; separated by spaces.
BandLayout layoutOf(const QString &written)
{
    BandLayout layout;
    for (QString word : written.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        BandLayout::Band band;
        while (word.startsWith(QLatin1Char('/')) || word.startsWith(QLatin1Char('-')) || word.startsWith(QLatin1Char('='))) {
            if (word.startsWith(QLatin1Char('/')))
                band.breakBefore = true;
            else if (word.startsWith(QLatin1Char('-')))
                band.visible = false;
            else
                band.fixedSize = true;
            word.remove(0, 1);
        }
        const QStringList parts = word.split(QLatin1Char(':'));
        band.name = parts[0];
        band.minWidth = parts[1].toInt();
        band.width = parts[2].toInt();
        band.minHeight = parts.size() > 3 ? parts[3].toInt() : 0;
        layout.append(band);
    }
    return layout;
}

// "A@0+100 B@100+200 | C@0+300": each band's left edge and width, rows apart.
QString placed(const QList<BandLayout::Row> &rows, const BandLayout &layout)
{
    QStringList texts;
    for (const BandLayout::Row &row : rows) {
        QStringList bands;
        for (const BandLayout::Placement &band : row.bands)
            bands << QStringLiteral("%1@%2+%3").arg(layout.band(band.band).name).arg(band.x).arg(band.width);
        texts << bands.join(QLatin1Char(' '));
    }
    return texts.join(QStringLiteral(" | "));
}

// "A:100 /B:50": the bands in order with their requested widths and row breaks.
QString stored(const BandLayout &layout)
{
    QStringList texts;
    for (int i = 0; i < layout.count(); ++i) {
        const BandLayout::Band &band = layout.band(i);
        texts << (band.breakBefore ? QStringLiteral("/") : QString()) + band.name + QLatin1Char(':')
                     + QString::number(band.width);
    }
    return texts.join(QLatin1Char(' '));
}
}

// The band container's row arithmetic: rows, widths and what dropping a dragged band does.
class BandLayoutTest : public QObject
{
    Q_OBJECT
private slots:
    void bandsArrangeInRows_data()
    {
        QTest::addColumn<QString>("bands");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("rows");
        QTest::newRow("the last band of a row takes the rest")
            << u"A:30:100 B:20:50 /C:10:80"_s << 300 << u"A@0+100 B@100+200 | C@0+300"_s;
        QTest::newRow("the first band starts a row without a break")
            << u"A:30:100 /B:20:50"_s << 300 << u"A@0+300 | B@0+300"_s;
        QTest::newRow("too wide: the right band gives up width")
            << u"A:30:200 B:20:150"_s << 300 << u"A@0+200 B@200+100"_s;
        QTest::newRow("down to its minimum, then the next to its left")
            << u"A:30:280 B:40:100"_s << 300 << u"A@0+260 B@260+40"_s;
        QTest::newRow("minimums that do not fit go on in a further row")
            << u"A:200:200 B:150:150 C:10:10"_s << 300 << u"A@0+300 | B@0+150 C@150+150"_s;
        QTest::newRow("hidden bands take no room")
            << u"A:30:100 -B:20:50 C:10:80"_s << 300 << u"A@0+100 C@100+200"_s;
        QTest::newRow("a hidden band's row break goes with it")
            << u"A:10:100 -/B:10:50 C:10:50"_s << 200 << u"A@0+100 C@100+100"_s;
        QTest::newRow("a fixed band keeps its size; the one before it stretches")
            << u"A:30:100 =N:25:25 /C:10:80"_s << 300 << u"A@0+275 N@275+25 | C@0+300"_s;
        QTest::newRow("a fixed band does not shrink")
            << u"A:30:300 =N:25:25"_s << 300 << u"A@0+275 N@275+25"_s;
        QTest::newRow("no visible band, no row") << u"-A:30:100"_s << 300 << QString();
    }

    void bandsArrangeInRows()
    {
        QFETCH(QString, bands);
        QFETCH(int, width);
        QFETCH(QString, rows);
        const BandLayout layout = layoutOf(bands);
        QCOMPARE(placed(layout.arrange(width), layout), rows);
    }

    void aRowIsAsHighAsItsHighestMinimum()
    {
        const BandLayout layout = layoutOf(u"A:10:100:24 =N:25:25:25 /B:10:100:42"_s);
        const QList<BandLayout::Row> rows = layout.arrange(400);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].height, 25);
        QCOMPARE(rows[1].height, 42);
    }

    void widthsNeverFallBelowTheMinimum()
    {
        BandLayout layout = layoutOf(u"A:30:20"_s);
        QCOMPARE(layout.band(0).width, 30);
        layout.setWidth(0, 10);
        QCOMPARE(layout.band(0).width, 30);
    }

    void droppingADraggedBand_data()
    {
        QTest::addColumn<QString>("bands");
        QTest::addColumn<QString>("band");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("x");
        QTest::addColumn<QString>("after");
        const QString three = u"/A:30:100 B:20:50 /C:10:80"_s;
        QTest::newRow("within its row: the band to its left ends where it starts")
            << three << u"B"_s << 0 << 150 << u"/A:150 B:50 /C:80"_s;
        QTest::newRow("within its row: not below that band's minimum")
            << three << u"B"_s << 0 << 10 << u"/A:30 B:50 /C:80"_s;
        QTest::newRow("the first band of a row stays")
            << three << u"A"_s << 0 << 60 << u"/A:100 B:50 /C:80"_s;
        QTest::newRow("to another row, right of its bands: last there")
            << three << u"B"_s << 1 << 200 << u"/A:100 /C:80 B:50"_s;
        QTest::newRow("to another row, left of a band's middle: before it, taking the row's start")
            << three << u"B"_s << 1 << 10 << u"/A:100 /B:50 C:80"_s;
        QTest::newRow("the band that started a row hands the start on")
            << three << u"A"_s << 1 << 500 << u"/B:50 /C:80 A:100"_s;
        QTest::newRow("below every row: a row of its own")
            << three << u"A"_s << 2 << 0 << u"/B:50 /C:80 /A:100"_s;
        QTest::newRow("above every row: a row of its own, first")
            << three << u"C"_s << -1 << 0 << u"/C:80 /A:100 B:50"_s;
        QTest::newRow("between two bands of a row")
            << u"/A:30:100 B:20:100 C:20:100 /D:10:80"_s << u"D"_s << 0 << 140 << u"/A:100 D:80 B:100 C:100"_s;
    }

    void droppingADraggedBand()
    {
        QFETCH(QString, bands);
        QFETCH(QString, band);
        QFETCH(int, row);
        QFETCH(int, x);
        QFETCH(QString, after);
        BandLayout layout = layoutOf(bands);
        layout.dragTo(layout.indexOf(band), row, x, 400);
        QCOMPARE(stored(layout), after);
    }
};

KESTREL_TEST(BandLayoutTest)
#include "BandLayoutTest.moc"
