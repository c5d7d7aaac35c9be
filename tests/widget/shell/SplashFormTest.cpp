#include "shell/TSplashForm.h"
#include "testkit/TestRegistry.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QWindow>

// The splash window: its shape and place, and how long it stays.
class SplashFormTest : public QObject
{
    Q_OBJECT

private slots:
    void borderlessCentredAndSizedToItsPicture()
    {
        TSplashForm *splash = new TSplashForm;
        const QPointer<TSplashForm> alive(splash);
        QVERIFY(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(splash->size(), QPixmap(QStringLiteral(":/splash/splash.png")).size());
        QVERIFY(!splash->size().isEmpty());
        QCOMPARE(splash->geometry().center(), QGuiApplication::primaryScreen()->geometry().center());
        splash->close();
        QTRY_VERIFY(!alive);
    }

    void isPaintedOnTheScreenBeforeStartUpGoesOn()
    {
        // Counts the paints made while the window system shows the window.
        class Splash : public TSplashForm
        {
        public:
            int shownPaints = 0;

        protected:
            void paintEvent(QPaintEvent *event) override
            {
                if (windowHandle() && windowHandle()->isExposed())
                    ++shownPaints;
                TSplashForm::paintEvent(event);
            }
        };
        // How soon a window manager shows a window varies: several splashes make a splash that
        // is only sometimes painted in time show up.
        for (int round = 0; round < 5; ++round) {
            auto *splash = new Splash;
            const QPointer<TSplashForm> alive(splash);
            splash->showNow();
            QVERIFY(splash->windowHandle()->isExposed());
            QVERIFY(splash->shownPaints > 0);
            splash->close();
            QTRY_VERIFY(!alive);
        }
    }

    void staysUntilBothItsTimeAndTheStartUpAreOver()
    {
        // Start-up finishes first: the splash waits for its tick.
        TSplashForm *splash = new TSplashForm;
        QPointer<TSplashForm> alive(splash);
        splash->showNow();
        QCOMPARE(splash->tmMainTimer.interval(), 500);
        QVERIFY(splash->tmMainTimer.isActive());
        splash->startUpFinished();
        QVERIFY(splash->isVisible());
        splash->tmMainTimerTimer();
        QVERIFY(!splash->tmMainTimer.isActive());
        QTRY_VERIFY(!alive);

        // The tick comes first: the splash goes as soon as start-up is over.
        splash = new TSplashForm;
        alive = splash;
        splash->showNow();
        splash->tmMainTimerTimer();
        QVERIFY(splash->isVisible());
        splash->startUpFinished();
        QTRY_VERIFY(!alive);
    }
};

KESTREL_TEST(SplashFormTest)
#include "SplashFormTest.moc"
