#include "browser/tabs/PageControl.h"
#include "browser/tabs/TabStrip.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"

#include <QApplication>
#include <QHash>
#include <QContextMenuEvent>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

class PageControlTest : public QObject
{
    Q_OBJECT

    static PageControl *makeControl(int pages, QList<QPointer<QWidget>> &made)
    {
        auto *control = new PageControl;
        control->resize(400, 300);
        for (int i = 0; i < pages; ++i) {
            auto *page = new QWidget;
            made.append(page);
            control->addPage(page);
            control->setCaption(i, QStringLiteral("Page %1").arg(i + 1));
        }
        return control;
    }

private slots:
    void init() { failOnQtWarnings(); }

    void pagesShowOnlyWhenActivated()
    {
        QList<QPointer<QWidget>> pages;
        std::unique_ptr<PageControl> control(makeControl(2, pages));
        control->show();
        QSignalSpy shown(control.get(), &PageControl::pageShown);
        QCOMPARE(control->activeIndex(), -1);
        QVERIFY(!pages[0]->isVisible());

        control->setActiveIndex(1);
        QCOMPARE(shown.count(), 1);
        QVERIFY(pages[1]->isVisible());
        QCOMPARE(pages[1]->geometry().width(), 400);
        // The active page again, or a page that does not exist, changes nothing.
        control->setActiveIndex(1);
        control->setActiveIndex(5);
        control->setActiveIndex(-1);
        QCOMPARE(shown.count(), 1);
        QCOMPARE(control->activeIndex(), 1);
    }

    void heldShowingShowsOnlyThePageActiveAtTheLastRelease()
    {
        QList<QPointer<QWidget>> pages;
        std::unique_ptr<PageControl> control(makeControl(4, pages));
        control->show();
        control->setActiveIndex(0);
        // Counts the show events each page gets.
        struct ShowCounter : QObject
        {
            QHash<QObject *, int> shows;
            bool eventFilter(QObject *watched, QEvent *event) override
            {
                if (event->type() == QEvent::Show)
                    ++shows[watched];
                return false;
            }
        } counter;
        for (QWidget *page : std::as_const(pages))
            page->installEventFilter(&counter);
        QSignalSpy shown(control.get(), &PageControl::pageShown);

        control->holdShowing();
        control->holdShowing();
        control->setActiveIndex(1);
        control->setActiveIndex(2);
        delete pages[0];  // the page on the screen goes while showing is held
        control->setActiveIndex(2);
        control->releaseShowing();
        QCOMPARE(shown.count(), 3);
        QCOMPARE(control->activeIndex(), 2);
        QVERIFY(!pages[1]->isVisible());
        QVERIFY(!pages[3]->isVisible());
        QCOMPARE(counter.shows.value(pages[3]), 0);  // an inner release shows nothing yet
        control->releaseShowing();
        QVERIFY(pages[3]->isVisible());
        QCOMPARE(pages[3]->geometry().width(), 400);
        QCOMPARE(counter.shows.value(pages[1]), 0);
        QCOMPARE(counter.shows.value(pages[3]), 1);
        // Released, activating shows at once again; a surplus release changes nothing.
        control->releaseShowing();
        control->setActiveIndex(0);
        QVERIFY(pages[1]->isVisible());
        QVERIFY(!pages[3]->isVisible());
    }

    void deletingPagesTakesTheirTabsAway()
    {
        QList<QPointer<QWidget>> pages;
        std::unique_ptr<PageControl> control(makeControl(3, pages));
        control->setActiveIndex(2);
        delete pages[0];
        QCOMPARE(control->count(), 2);
        QCOMPARE(control->activeIndex(), 1);
        QCOMPARE(control->caption(1), QStringLiteral("Page 3"));
        delete pages[2];
        QCOMPARE(control->activeIndex(), -1);
        QVERIFY(!control->activePage());
        control.reset();
        QVERIFY(!pages[1]);
    }

    void movingKeepsTheActivePageActive()
    {
        QList<QPointer<QWidget>> pages;
        std::unique_ptr<PageControl> control(makeControl(3, pages));
        control->setActiveIndex(0);
        QSignalSpy shown(control.get(), &PageControl::pageShown);
        control->movePage(0, 2);
        QCOMPARE(control->activeIndex(), 2);
        QCOMPARE(control->activePage(), pages[0].data());
        QCOMPARE(control->caption(0), QStringLiteral("Page 2"));
        QCOMPARE(shown.count(), 0);
    }

    void tabsAreLaidOutOnTheirSideInOneOrSeveralLines()
    {
        QList<QPointer<QWidget>> pages;
        std::unique_ptr<PageControl> control(makeControl(12, pages));
        control->setActiveIndex(0);
        TabStrip *strip = control->tabStrip();

        QVERIFY(strip->canScroll()); // twelve captions do not fit in 400 pixels
        QCOMPARE(strip->lineCount(), 1);
        control->setActiveIndex(11);
        QVERIFY(strip->firstShown() > 0); // scrolled to show the active tab
        QVERIFY(!strip->tabRect(11).isEmpty());

        control->setMultiLine(true);
        QVERIFY(strip->lineCount() > 1);
        QVERIFY(!strip->canScroll());
        QCOMPARE(strip->geometry().top(), 0);
        QCOMPARE(strip->tabRect(11).bottom(), strip->height() - 1); // active line next to the pages

        control->setTabPosition(PageControl::TabPosition::Bottom);
        QCOMPARE(strip->geometry().bottom(), control->height() - 1);
        QCOMPARE(strip->tabRect(11).top(), 0);

        // Side tabs always take as many lines as they need, even in single-line mode.
        control->setMultiLine(false);
        control->setTabPosition(PageControl::TabPosition::Left);
        QVERIFY(!strip->canScroll());
        QCOMPARE(strip->geometry().left(), 0);
        QVERIFY(strip->geometry().height() == control->height());
        QVERIFY(strip->tabRect(0).height() > strip->tabRect(0).width());
    }

    void clickingATabShowsIt()
    {
        QList<QPointer<QWidget>> pages;
        std::unique_ptr<PageControl> control(makeControl(3, pages));
        control->setActiveIndex(0);
        control->show();
        QVERIFY(QTest::qWaitForWindowExposed(control.get()));
        TabStrip *strip = control->tabStrip();
        QTest::mouseClick(strip, Qt::LeftButton, Qt::NoModifier, strip->tabRect(2).center());
        QCOMPARE(control->activeIndex(), 2);
        QSignalSpy menu(control.get(), &PageControl::tabContextMenuRequested);
        QContextMenuEvent event(QContextMenuEvent::Mouse, strip->tabRect(1).center(),
                                strip->mapToGlobal(strip->tabRect(1).center()));
        QApplication::sendEvent(strip, &event);
        QCOMPARE(menu.count(), 1);
        QCOMPARE(menu.first().first().toInt(), 1);
        QCOMPARE(control->activeIndex(), 2);
    }

    void sideTabsAreNeverOwnerDrawn()
    {
        QList<QPointer<QWidget>> pages;
        std::unique_ptr<PageControl> control(makeControl(2, pages));
        control->setActiveIndex(0);
        control->setOwnerDraw(true);
        control->tabStrip()->grab();
        QVERIFY(control->ownerDraw());
        control->setTabPosition(PageControl::TabPosition::Right);
        control->tabStrip()->grab();
        QVERIFY(!control->ownerDraw());
    }
};

KESTREL_TEST(PageControlTest)
#include "PageControlTest.moc"
