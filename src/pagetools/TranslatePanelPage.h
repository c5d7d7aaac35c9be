#pragma once

#include <QWebEnginePage>
#include <functional>

// The translation panel's page: every navigation it starts is put to one handler, which lets
// it through (true) or keeps the panel where it is (false).
class TranslatePanelPage : public QWebEnginePage
{
    Q_OBJECT
public:
    using NavigationHandler = std::function<bool(const QUrl &url)>;

    TranslatePanelPage(QWebEngineProfile *profile, NavigationHandler handler, QObject *parent = nullptr);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;

private:
    NavigationHandler m_handler;
};
