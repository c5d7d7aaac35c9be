#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

// The splash window shown while the program starts: borderless, sized to its picture and
// centred on the screen. It stays at least as long as tmMainTimer (500 ms) and until start-up
// has finished, whichever is later, then closes and frees itself; start-up goes on meanwhile,
// so the splash adds no time to it.
class TSplashForm : public QWidget
{
    Q_OBJECT
public:
    TSplashForm();

    // Shows the window and paints it as soon as the window system shows it (waiting at most
    // ExposeWaitMs), then starts tmMainTimer.
    void showNow();
    static constexpr int ExposeWaitMs = 1000;
    // The main window is up: close now if the timer has ticked, else at its tick.
    void startUpFinished();

    QTimer tmMainTimer;
    void tmMainTimerTimer();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
    bool m_startUpFinished = false;
    bool m_timeUp = false;
};
