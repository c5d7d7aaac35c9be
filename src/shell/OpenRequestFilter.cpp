#include "shell/OpenRequestFilter.h"

OpenRequestFilter::OpenRequestFilter(QObject *parent) : QObject(parent)
{
    tmrDDE.setInterval(3000);
    connect(&tmrDDE, &QTimer::timeout, this, &OpenRequestFilter::tmrDDETimer);
}

bool OpenRequestFilter::admit(const QString &text)
{
    const bool open = !m_recentOpenRequests.contains(text);
    m_recentOpenRequests += text;
    if (!tmrDDE.isActive())
        tmrDDE.start();
    return open;
}

void OpenRequestFilter::tmrDDETimer()
{
    tmrDDE.stop();
    m_recentOpenRequests.clear();
}
