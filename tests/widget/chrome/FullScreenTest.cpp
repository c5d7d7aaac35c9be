#include "ChromeWindow.h"
#include "browser/TabbedBrowser.h"
#include "testkit/TestRegistry.h"
#include "ui/CommandIds.h"

#include <QComboBox>
#include <QStatusBar>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

using namespace Qt::StringLiterals;

namespace {
const QString Align = u"FullScreenToolBarAlign"_s;
}

// Full-screen mode: the window's state and place around it, the three controls that switch it,
// and the floating tool bar's docking and dragging.
class FullScreenTest : public QObject
{
    Q_OBJECT

    SettingsStore m_store;

private slots:
    void init()
    {
        failOnChromeWarnings();
        forgetStoredWindow();
    }

    void leavingFullScreenGivesBackTheWindowAsItWas_data()
    {
        QTest::addColumn<bool>("maximized");
        QTest::newRow("maximized") << true;
        QTest::newRow("normal") << false;
    }

    void leavingFullScreenGivesBackTheWindowAsItWas()
    {
        QFETCH(bool, maximized);
        ChromeWindow w;
        w.window.move(40, 30);
        w.window.resize(700, 500);
        if (maximized)
            w.window.showMaximized();
        else
            w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        const QRect before = w.window.geometry();

        QVERIFY(w.window.commands().trigger(CommandIds::FullScreen));
        QVERIFY(w.window.isFullScreen());
        QVERIFY(!w.bands().isVisible());
        QVERIFY(!w.window.statusBar()->isVisible());
        QVERIFY(w.chrome().pnlToolBar()->isVisible());

        QVERIFY(w.window.commands().trigger(CommandIds::FullScreen));
        QVERIFY(!w.window.isFullScreen());
        QCOMPARE(w.window.isMaximized(), maximized);
        QCOMPARE(w.window.geometry(), before);
        QVERIFY(w.bands().isVisible());
        QVERIFY(w.window.statusBar()->isVisible());
        QVERIFY(!w.chrome().pnlToolBar()->isVisible());
    }

    void theButtonTheMenuEntryAndTheFloatingButtonAgree()
    {
        ChromeWindow w;
        w.window.show();
        QToolButton *button = w.chrome().ToolBar2()->button(CommandIds::FullScreen);
        QToolButton *floating = w.chrome().pnlToolBar()->ToolBarForFullscreen()->button(CommandIds::FullScreen);
        QAction *entry = ChromeWindow::entry(w.menu(u"&View"_s), u"F&ullscreen"_s);
        QVERIFY(button && floating && entry);
        QVERIFY(button->isCheckable() && floating->isCheckable());

        button->click();
        QVERIFY(w.chrome().isFullScreen());
        QVERIFY(button->isChecked() && floating->isChecked() && entry->isChecked());
        floating->click();
        QVERIFY(!w.chrome().isFullScreen());
        QVERIFY(!button->isChecked() && !floating->isChecked() && !entry->isChecked());
        entry->trigger();
        QVERIFY(w.chrome().isFullScreen());
        QVERIFY(button->isChecked() && floating->isChecked() && entry->isChecked());
        // F8 in whatever control has the focus switches once.
        QTest::keyClick(w.window.tabbedBrowser().cboURLAddress(), Qt::Key_F8);
        QVERIFY(!w.chrome().isFullScreen());

        // The floating bar: the standard buttons' tooltips, a favorites button captioned
        // "Favorites" without one, 27 x 27 buttons.
        ButtonBar *bar = w.chrome().pnlToolBar()->ToolBarForFullscreen();
        QToolButton *favorites = bar->button(CommandIds::Favorites);
        QCOMPARE(favorites->text(), u"Favorites"_s);
        const auto showsTooltip = [](QWidget *button) {
            QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
            QCoreApplication::sendEvent(button, &help);
            const bool shown = QToolTip::isVisible();
            QToolTip::hideText();
            return shown;
        };
        w.chrome().tbFullscreenClick(true);
        QVERIFY(!showsTooltip(favorites));
        QVERIFY(showsTooltip(bar->button(CommandIds::Back)));
        w.chrome().tbFullscreenClick(false);
        QCOMPARE(bar->button(CommandIds::TabUp)->toolTip(), u"Move Active Tab Up"_s);
        QCOMPARE(bar->button(CommandIds::Back)->size(), QSize(27, 27));
    }

    void withoutAStoredChoiceTheBarIsDockedAtTheTop()
    {
        ChromeWindow w;
        w.window.show();
        w.chrome().tbFullscreenClick(true);
        FullScreenToolBar *bar = w.chrome().pnlToolBar();
        QCOMPARE(bar->dock(), FullScreenToolBar::Dock::Top);
        QVERIFY(!bar->pnlToolBarMover()->isVisible());
        QCOMPARE(bar->height(), bar->ToolBarForFullscreen()->sizeHint().height() + 2);
        emit bar->PopupMenuFullScreenToolBar()->aboutToShow();
        const QList<QAction *> docking = bar->PopupMenuFullScreenToolBar()->actions();
        QCOMPARE(ChromeWindow::captions(docking), (QStringList{u"Dock to Top"_s, u"Dock to Bottom"_s, u"Undock"_s}));
        QVERIFY(!docking[0]->isEnabled());
        QVERIFY(docking[1]->isEnabled() && docking[2]->isEnabled());
        QTest::qWait(0);
        QCOMPARE(bar->geometry().top(), 0);
        w.chrome().tbFullscreenClick(false);
        QCOMPARE(m_store.readString(SettingsStore::MainSection, Align), u"1"_s);
    }

    void dockedAtTheBottomItStaysThereAcrossLeavingAndRestarting()
    {
        {
            ChromeWindow w;
            w.window.show();
            w.chrome().tbFullscreenClick(true);
            QVERIFY(ChromeWindow::choose(w.chrome().pnlToolBar()->PopupMenuFullScreenToolBar(), u"Dock to Bottom"_s));
            w.chrome().tbFullscreenClick(false);
            QCOMPARE(m_store.readString(SettingsStore::MainSection, Align), u"2"_s);
            w.chrome().tbFullscreenClick(true);
            QCOMPARE(w.chrome().pnlToolBar()->dock(), FullScreenToolBar::Dock::Bottom);
            // Closed in full screen: the window leaves it first, and the docking is written.
            w.window.close();
            QVERIFY(!w.window.isFullScreen());
        }
        ChromeWindow again;
        again.window.show();
        again.chrome().tbFullscreenClick(true);
        FullScreenToolBar *bar = again.chrome().pnlToolBar();
        QCOMPARE(bar->dock(), FullScreenToolBar::Dock::Bottom);
        QVERIFY(QTest::qWaitFor([&] {
            return bar->geometry().bottom() == bar->parentWidget()->height() - 1;
        }));
    }

    void draggingTheFloatingBarStopsAtEachEdge_data()
    {
        QTest::addColumn<QPoint>("by");
        QTest::addColumn<QString>("edge");
        QTest::newRow("left") << QPoint(-5000, 0) << u"left"_s;
        QTest::newRow("right") << QPoint(5000, 0) << u"right"_s;
        QTest::newRow("top") << QPoint(0, -5000) << u"top"_s;
        QTest::newRow("bottom") << QPoint(0, 5000) << u"bottom"_s;
    }

    void draggingTheFloatingBarStopsAtEachEdge()
    {
        QFETCH(QPoint, by);
        QFETCH(QString, edge);
        m_store.writeInteger(SettingsStore::MainSection, Align, 0);
        ChromeWindow w;
        w.window.resize(900, 600);
        w.window.show();
        w.chrome().tbFullscreenClick(true);
        FullScreenToolBar *bar = w.chrome().pnlToolBar();
        QCOMPARE(bar->dock(), FullScreenToolBar::Dock::Floating);
        QVERIFY(bar->pnlToolBarMover()->isVisible());
        QWidget *client = bar->parentWidget();
        QVERIFY(QTest::qWaitFor([&] { return client->width() > bar->width(); }));
        bar->move(50, 50);

        // A move with another button held does nothing.
        bar->pnlToolBarMoverMouseDown(QPoint(1, 1));
        bar->pnlToolBarMoverMouseMove(QPoint(1, 1) + by, Qt::RightButton);
        QCOMPARE(bar->pos(), QPoint(50, 50));
        bar->pnlToolBarMoverMouseMove(QPoint(1, 1) + by, Qt::LeftButton);
        const QRect at = bar->geometry();
        if (edge == u"left"_s)
            QCOMPARE(at.topLeft(), QPoint(0, 50));
        else if (edge == u"right"_s)
            QCOMPARE(at.topLeft(), QPoint(client->width() - bar->width(), 50));
        else if (edge == u"top"_s)
            QCOMPARE(at.topLeft(), QPoint(50, 0));
        else
            QCOMPARE(at.topLeft(), QPoint(50, client->height() - bar->height()));

        // Through the grip's own mouse events too.
        bar->move(50, 50);
        QWidget *grip = bar->pnlToolBarMover();
        QTest::mousePress(grip, Qt::LeftButton, {}, QPoint(1, 1));
        QMouseEvent move(QEvent::MouseMove, QPointF(11, 21), grip->mapToGlobal(QPointF(11, 21)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(grip, &move);
        QTest::mouseRelease(grip, Qt::LeftButton, {}, QPoint(11, 21));
        QCOMPARE(bar->pos(), QPoint(60, 70));
        QCOMPARE(w.window.commands().find(CommandIds::FullScreen)->isChecked(), true);
        w.chrome().tbFullscreenClick(false);
        QCOMPARE(m_store.readString(SettingsStore::MainSection, Align), u"0"_s);
    }
};

KESTREL_TEST(FullScreenTest)
#include "FullScreenTest.moc"
