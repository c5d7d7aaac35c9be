#include "browser/status/BusyAnimation.h"

#include <QImageReader>

namespace {
constexpr int DefaultFrameDelayMs = 60;
}

BusyAnimation::BusyAnimation(QWidget *band, QWidget *parent) : QLabel(parent), m_band(band ? band : this)
{
    setFixedSize(25, 25);
    setAlignment(Qt::AlignCenter);
    m_timer.setInterval(DefaultFrameDelayMs);
    connect(&m_timer, &QTimer::timeout, this, &BusyAnimation::tmrAnimateTimer);
}

bool BusyAnimation::open(const QString &path)
{
    stop();
    m_frames.clear();
    QImageReader reader(path);
    int delay = 0;
    while (reader.canRead()) {
        if (m_frames.isEmpty())
            delay = reader.nextImageDelay();
        const QImage image = reader.read();
        if (image.isNull())
            break;
        m_frames.append(QPixmap::fromImage(image));
    }
    if (delay > 0)
        m_timer.setInterval(delay);
    showFrame(0);
    return m_frames.size() > LastPlayedFrame;
}

void BusyAnimation::start()
{
    if (m_disabled || isPlaying())
        return;
    if (m_frames.size() <= LastPlayedFrame) {
        m_disabled = true;
        m_band->hide();
        return;
    }
    showFrame(FirstPlayedFrame);
    m_timer.start();
}

void BusyAnimation::stop()
{
    m_timer.stop();
    showFrame(0);
}

void BusyAnimation::tmrAnimateTimer()
{
    showFrame(m_frame >= LastPlayedFrame || m_frame < FirstPlayedFrame ? FirstPlayedFrame : m_frame + 1);
}

void BusyAnimation::showFrame(int frame)
{
    m_frame = frame;
    if (frame >= 0 && frame < m_frames.size())
        setPixmap(m_frames[frame]);
    else
        clear();
}
