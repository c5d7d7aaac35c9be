#pragma once

#include <QWebEnginePage>
#include <functional>

// A web page that asks before every navigation, top-level or frame.
class EnginePage : public QWebEnginePage
{
    Q_OBJECT
public:
    using NavigationFilter = std::function<bool(const QUrl &url, bool isMainFrame)>;

    explicit EnginePage(QWebEngineProfile *profile, QObject *parent = nullptr);
    void setNavigationFilter(NavigationFilter filter) { m_filter = std::move(filter); }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;

private:
    NavigationFilter m_filter;
};
