#pragma once

#include <QLabel>
#include <QList>
#include <QPixmap>
#include <QTimer>

// The busy animation: a looping clip played while a page loads. Playing shows frames 2 to 36
// of the clip over and over; stopped, it shows the first frame. When the clip cannot be
// played, the band holding the animation is hidden for good.
class BusyAnimation : public QLabel
{
    Q_OBJECT
public:
    static constexpr int FirstPlayedFrame = 1; // frame 2, counting from 0
    static constexpr int LastPlayedFrame = 35; // frame 36

    // band: the widget to hide when the clip cannot play (the animation itself when null).
    explicit BusyAnimation(QWidget *band = nullptr, QWidget *parent = nullptr);

    // Selects the clip: every frame of an animated image file or resource. False when it
    // cannot be read or is too short to play.
    bool open(const QString &path);

    // Starts playing unless it already plays.
    void start();
    void stop();
    bool isPlaying() const { return m_timer.isActive(); }
    bool isDisabled() const { return m_disabled; }
    int currentFrame() const { return m_frame; }
    int frameCount() const { return static_cast<int>(m_frames.size()); }
    QTimer &timer() { return m_timer; }

    // Tick of the frame timer: shows the next frame of 2 to 36.
    void tmrAnimateTimer();

private:
    void showFrame(int frame);

    QWidget *m_band;
    QList<QPixmap> m_frames;
    QTimer m_timer;
    int m_frame = 0;
    bool m_disabled = false;
};
