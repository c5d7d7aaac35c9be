#pragma once

#include "browser/BrowserControl.h"

#include <QWebEnginePage>
#include <functional>
#include <optional>

class EngineCommandTarget;
class EnginePage;
class PageAgentConnection;
class QWebEngineNewWindowRequest;
class QWebEngineView;

// The browser control on Qt WebEngine: one view and its page.
class WebEngineControl : public BrowserControl
{
    Q_OBJECT
public:
    explicit WebEngineControl(QObject *parent = nullptr);
    ~WebEngineControl() override;

    QWidget *widget() override;
    void navigate(const QUrl &url) override;
    void showHtml(const QString &html, const QUrl &baseUrl) override;
    void goBack() override;
    void goForward() override;
    void refresh() override;
    void stop() override;
    QString title() const override;
    QUrl url() const override;
    bool isLoading() const override;
    std::shared_ptr<PageDocument> document() override;
    void focusPage() override;
    void applyHostInfoFlags(quint32 flags) override;
    void applyDownloadControl(quint32 flags) override;
    QVariant execCommandTarget(CommandTarget::Group group, int id, int option, Prompter &prompter) override;
    void answerFieldEdit(const QString &field, const QString &expected, const QString &value, int caret) override;

    EnginePage *page() const { return m_page; }
    QWebEngineView *view() const { return m_view; }

private:
    void connectPage();
    bool beforeNavigate(const QUrl &url, bool isMainFrame);
    void newWindowRequested(QWebEngineNewWindowRequest &request);
    // Shows the engine's new window in place of this control's page.
    void adopt(QWebEngineNewWindowRequest &request);
    // Tells the host from the application's event loop, in order with the other reports.
    void report(std::function<void()> notify);
    void reportHistory();
    // The top-level page completed: after the frames' reports, DocumentComplete for the page.
    void loadFinished();
    // The page process died: the page is replaced by one saying so, under the page's address.
    void renderProcessTerminated(QWebEnginePage::RenderProcessTerminationStatus status);
    void showCrashedPage();
    // The address the page reports: while the crashed page stands in for a page, that page's.
    QUrl shownUrl(const QUrl &url) const;

    QWebEngineView *m_view;
    EnginePage *m_page;
    PageAgentConnection *m_agent;
    EngineCommandTarget *m_commandTarget;
    bool m_loading = false;
    bool m_navigationPending = false;
    // The page whose process died, while the crashed page stands in for it.
    struct Crashed
    {
        QUrl url;
        QString title;
    };
    std::optional<Crashed> m_crashed;
};
