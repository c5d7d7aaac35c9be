#include "browser/engine/EnginePage.h"

EnginePage::EnginePage(QWebEngineProfile *profile, QObject *parent) : QWebEnginePage(profile, parent)
{
}

bool EnginePage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    if (m_filter && !m_filter(url, isMainFrame))
        return false;
    return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
}
