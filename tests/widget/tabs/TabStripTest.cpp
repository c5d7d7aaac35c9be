#include "browser/tabs/PageControl.h"
#include "browser/tabs/TabStrip.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"

#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <memory>

using namespace Qt::StringLiterals;

namespace {
std::unique_ptr<PageControl> makeControl(int pages, QWidget *parent = nullptr)
{
    auto control = std::make_unique<PageControl>(parent);
    control->resize(600, 300);
    for (int i = 0; i < pages; ++i) {
        control->addPage(new QWidget);
        control->setCaption(i, u"Page %1"_s.arg(i + 1));
    }
    return control;
}

// The style's own tab bar, asked how long it makes a tab.
class StyleTabBar : public QTabBar
{
public:
    using QTabBar::tabSizeHint;
};

// The tab is wholly within the part of the line that shows tabs (before the arrow buttons).
bool wholeInView(const PageControl &control, int index)
{
    const TabStrip *strip = control.tabStrip();
    const QRect rect = strip->tabRect(index);
    int end = strip->width();
    for (const QToolButton *arrow : strip->findChildren<QToolButton *>()) {
        if (arrow->isVisible())
            end = std::min(end, arrow->x());
    }
    return !rect.isEmpty() && rect.left() >= 0 && rect.right() < end;
}
}

// The strip of the tab set: what it shows of a long line of tabs, and how much room each
// caption gets.
class TabStripTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnQtWarnings(); }

    void theActiveTabStaysInViewOnOneLine()
    {
        auto control = makeControl(14);
        control->show();
        control->setActiveIndex(13);
        QVERIFY(control->tabStrip()->canScroll());
        QVERIFY(wholeInView(*control, 13));

        // A narrower window.
        control->resize(300, 300);
        QVERIFY(wholeInView(*control, 13));
        // Captions grow as titles arrive.
        for (int i = 0; i < control->count(); ++i)
            control->setCaption(i, u"A much longer title of page %1"_s.arg(i + 1));
        QVERIFY(wholeInView(*control, 13));

        // The arrows scroll away from it until the tabs, their place or the size change again.
        control->tabStrip()->scrollBy(-5);
        QVERIFY(!wholeInView(*control, 13));
        control->setCaption(2, u"Another title"_s);
        QVERIFY(!wholeInView(*control, 13));
        control->resize(320, 300);
        QVERIFY(wholeInView(*control, 13));
        control->setActiveIndex(0);
        QVERIFY(wholeInView(*control, 0));
        // Room after the last tab goes to earlier ones.
        control->resize(5000, 300);
        QVERIFY(!control->tabStrip()->canScroll());
        QVERIFY(wholeInView(*control, 0) && wholeInView(*control, 13));
    }

    void captionsGetTheRoomTheStyleWants_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("shape");
        QTest::newRow("left") << int(PageControl::TabPosition::Left) << int(QTabBar::RoundedWest);
        QTest::newRow("right") << int(PageControl::TabPosition::Right) << int(QTabBar::RoundedEast);
        QTest::newRow("top") << int(PageControl::TabPosition::Top) << int(QTabBar::RoundedNorth);
        QTest::newRow("bottom") << int(PageControl::TabPosition::Bottom) << int(QTabBar::RoundedSouth);
    }

    void captionsGetTheRoomTheStyleWants()
    {
        QFETCH(int, position);
        QFETCH(int, shape);
        auto control = makeControl(3);
        control->setTabPosition(PageControl::TabPosition(position));
        control->setCaption(1, u"Wide caption of a page"_s);
        control->show();
        // The style's own tab bar with the same font and caption: its tab is as long as the
        // style needs to show the caption whole.
        StyleTabBar bar;
        bar.setFont(control->tabStrip()->font());
        bar.setShape(QTabBar::Shape(shape));
        bar.addTab(u"Wide caption of a page"_s);
        const QSize wanted = bar.tabSizeHint(0);
        const QRect rect = control->tabStrip()->tabRect(1);
        const bool vertical = control->isVertical();
        QVERIFY2((vertical ? rect.height() : rect.width()) >= (vertical ? wanted.height() : wanted.width()),
                 qPrintable(u"%1 x %2 for %3 x %4"_s.arg(rect.width()).arg(rect.height()).arg(wanted.width()).arg(wanted.height())));
    }

    void captionsTakeTheWindowsFont()
    {
        QWidget window;
        QFont font(u"DejaVu Serif"_s, 15);
        window.setFont(font);
        auto control = makeControl(2, &window);
        QCOMPARE(control->tabStrip()->font().family(), window.font().family());
        QCOMPARE(control->tabStrip()->font().pointSize(), 15);
        // A later change of the window's font reaches the captions too.
        font.setPointSize(9);
        window.setFont(font);
        QCOMPARE(control->tabStrip()->font().pointSize(), 9);
        control.reset();
    }
};

KESTREL_TEST(TabStripTest)
#include "TabStripTest.moc"
