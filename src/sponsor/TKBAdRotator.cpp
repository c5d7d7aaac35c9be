#include "sponsor/TKBAdRotator.h"

TKBAdRotator::TKBAdRotator(QObject *parent) : QObject(parent)
{
    m_timer.setInterval(m_seconds * 1000);
    connect(&m_timer, &QTimer::timeout, this, &TKBAdRotator::tick);
}

void TKBAdRotator::setSeconds(int seconds)
{
    m_seconds = seconds;
    m_timer.setInterval(qMax(0, seconds) * 1000);
}

void TKBAdRotator::setEnabled(bool enabled)
{
    if (enabled)
        m_timer.start();
    else
        m_timer.stop();
}

QString TKBAdRotator::requestAddress() const
{
    QStringList named;
    for (const QString &line : ParamList) {
        if (line.indexOf(u'=') != 0 && !line.isEmpty())
            named.append(line);
    }
    const QString query = named.join(u'&');
    if (query.isEmpty())
        return BaseURL;
    return BaseURL + (BaseURL.contains(u'?') ? u'&' : u'?') + query;
}

void TKBAdRotator::tick()
{
    if (BaseURL.isEmpty()) {
        setEnabled(false);
        return;
    }
    if (onRotate)
        onRotate(this, requestAddress());
}
