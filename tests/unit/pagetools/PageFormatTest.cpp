#include "pagetools/ColorToHtml.h"
#include "pagetools/PageFormat.h"
#include "testkit/ScriptedPrompter.h"
#include "testkit/TestRegistry.h"
#include "ui/CommandRegistry.h"

#include <QColor>
#include <QTest>

using namespace Qt::StringLiterals;

// The page format's colour text and its zoom requests against the range the browser reports.
class PageFormatTest : public QObject
{
    Q_OBJECT

private slots:
    void colourText_data()
    {
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QString>("text");
        QTest::newRow("white") << QColor(255, 255, 255) << u"White"_s;
        QTest::newRow("pure red") << QColor(255, 0, 0) << u"Red"_s;
        QTest::newRow("any other colour") << QColor(0x12, 0xAB, 0xEF) << u"#12ABEF"_s;
    }
    void colourText()
    {
        QFETCH(QColor, colour);
        QFETCH(QString, text);
        QCOMPARE(ColorToHtml(colour), text);
    }

    void zoomIsClampedToTheRange_data()
    {
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("requested");
        QTest::addColumn<int>("sent");
        QTest::newRow("below the minimum") << 1 << 3 << 0 << 1;
        QTest::newRow("above the maximum") << 1 << 3 << 4 << 3;
        QTest::newRow("inside the range") << 0 << 4 << 2 << 2;
    }
    void zoomIsClampedToTheRange()
    {
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, requested);
        QFETCH(int, sent);
        CommandRegistry commands;
        ScriptedPrompter prompter;
        QList<int> zoomOptions;
        PageFormat format(commands, prompter,
                          PageFormat::Page{[] { return nullptr; }, [&](CommandTarget::Group, int id, int option) {
                                               if (id == CommandTarget::GetZoomRange)
                                                   return QVariant(QVariantList{minimum, maximum});
                                               zoomOptions.append(option);
                                               return QVariant(option);
                                           }});
        format.SetZoom(requested);
        QCOMPARE(zoomOptions, QList<int>{sent});
    }
};

KESTREL_TEST(PageFormatTest)
#include "PageFormatTest.moc"
