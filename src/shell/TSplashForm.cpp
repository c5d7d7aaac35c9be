#include "shell/TSplashForm.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWindow>

TSplashForm::TSplashForm()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_picture(QStringLiteral(":/splash/splash.png"))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Kestrel Browser"));
    setFixedSize(m_picture.deviceIndependentSize().toSize());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    tmMainTimer.setInterval(500);
    tmMainTimer.setSingleShot(true);
    connect(&tmMainTimer, &QTimer::timeout, this, &TSplashForm::tmMainTimerTimer);
}

void TSplashForm::showNow()
{
    show();
    // A window can be painted only once the window system shows it: wait for that, briefly and
    // taking no user input, then paint it before start-up goes on.
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.start(ExposeWaitMs);
    while (windowHandle() && !windowHandle()->isExposed() && deadline.isActive())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
    repaint();
    QGuiApplication::sync();
    tmMainTimer.start();
}

void TSplashForm::startUpFinished()
{
    m_startUpFinished = true;
    if (m_timeUp)
        close();
}

void TSplashForm::tmMainTimerTimer()
{
    tmMainTimer.stop();
    m_timeUp = true;
    if (m_startUpFinished)
        close();
}

void TSplashForm::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}
