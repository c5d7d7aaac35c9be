#include "browser/status/BusyAnimation.h"
#include "browser/status/SizeGrip.h"
#include "browser/status/StatusArea.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMouseEvent>
#include <QProgressBar>
#include <QTest>

class StatusWidgetsTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { failOnQtWarnings(); }

    void theWorldClipLoopsOverFramesTwoToThirtySix()
    {
        QWidget band;
        BusyAnimation animation(&band, &band);
        QVERIFY(animation.open(QStringLiteral(":/animation/WORLD.gif")));
        QVERIFY(animation.frameCount() >= 36);
        QCOMPARE(animation.currentFrame(), 0);

        animation.start();
        QVERIFY(animation.isPlaying());
        QCOMPARE(animation.currentFrame(), 1);
        for (int i = 0; i < 34; ++i)
            animation.tmrAnimateTimer();
        QCOMPARE(animation.currentFrame(), 35);
        animation.tmrAnimateTimer();
        QCOMPARE(animation.currentFrame(), 1);

        // Starting again while playing does not restart the clip.
        animation.tmrAnimateTimer();
        animation.start();
        QCOMPARE(animation.currentFrame(), 2);

        animation.stop();
        QVERIFY(!animation.isPlaying());
        QCOMPARE(animation.currentFrame(), 0);
    }

    void aClipThatCannotPlayHidesItsBandForGood()
    {
        QWidget band;
        band.show();
        BusyAnimation animation(&band, &band);
        QVERIFY(!animation.open(QStringLiteral(":/no/such/clip.gif")));
        animation.start();
        QVERIFY(!animation.isPlaying());
        QVERIFY(animation.isDisabled());
        QVERIFY(band.isHidden());
        band.show();
        animation.start();
        QVERIFY(!animation.isPlaying());
    }

    void theGaugeHoldsWithinItsRange()
    {
        StatusArea status;
        status.setGauge(33);
        QCOMPARE(status.gauge(), 33);
        status.setGauge(250);
        QCOMPARE(status.gauge(), 100);
        status.setGauge(-7);
        QCOMPARE(status.gauge(), 0);
        QCOMPARE(status.panel()->width(), 250);
        QVERIFY(!status.Gauge1()->isTextVisible());
        QVERIFY(!status.isLockShown());
    }

    void draggingTheGripResizesTheWindowFromItsCorner()
    {
        QMainWindow window;
        auto *status = new StatusArea(&window);
        window.setStatusBar(status);
        window.setGeometry(100, 120, 600, 400);
        const QPoint topLeft = window.pos();
        SizeGrip *grip = status->imgGrip();

        QTest::mousePress(grip, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QMouseEvent drag(QEvent::MouseMove, QPointF(35, 25), grip->mapToGlobal(QPointF(35, 25)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(grip, &drag);
        QCOMPARE(window.size(), QSize(630, 420));
        QCOMPARE(window.pos(), topLeft);

        // Moving with another button (or none) held does nothing.
        QMouseEvent rightDrag(QEvent::MouseMove, QPointF(50, 50), grip->mapToGlobal(QPointF(50, 50)),
                              Qt::NoButton, Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(grip, &rightDrag);
        QCOMPARE(window.size(), QSize(630, 420));
    }
};

KESTREL_TEST(StatusWidgetsTest)
#include "StatusWidgetsTest.moc"
