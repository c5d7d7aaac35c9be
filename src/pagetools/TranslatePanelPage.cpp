#include "pagetools/TranslatePanelPage.h"

TranslatePanelPage::TranslatePanelPage(QWebEngineProfile *profile, NavigationHandler handler, QObject *parent)
    : QWebEnginePage(profile, parent), m_handler(std::move(handler))
{
}

bool TranslatePanelPage::acceptNavigationRequest(const QUrl &url, NavigationType, bool)
{
    return m_handler(url);
}
