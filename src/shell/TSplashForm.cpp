#include "shell/TSplashForm.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

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
    repaint();
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
