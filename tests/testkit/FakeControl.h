#pragma once

#include "browser/BrowserControl.h"

#include <QList>
#include <QPointer>
#include <QUrl>

// A browser control for tests: it records what the view asks of it, holds a settable title,
// address, busy state and document, and lets a test raise every report by hand through its
// host, as the engine would.
class FakeControl : public BrowserControl
{
    Q_OBJECT
public:
    explicit FakeControl(QObject *parent = nullptr);
    ~FakeControl() override;

    QWidget *widget() override;
    void navigate(const QUrl &url) override;
    void showHtml(const QString &html, const QUrl &baseUrl) override;
    void goBack() override;
    void goForward() override;
    void refresh() override;
    void stop() override;
    QString title() const override { return m_title; }
    QUrl url() const override { return m_url; }
    bool isLoading() const override { return m_busy; }
    std::shared_ptr<PageDocument> document() override { return m_document; }
    void focusPage() override;
    void applyHostInfoFlags(quint32 flags) override;
    void applyDownloadControl(quint32 flags) override;
    QVariant execCommandTarget(CommandTarget::Group group, int id, int option, Prompter &prompter) override;
    void answerFieldEdit(const QString &field, const QString &expected, const QString &value, int caret) override;

    // What the view asked for.
    QList<QUrl> navigations;
    // HTML shown from memory, with its base address.
    QString shownHtml;
    QUrl shownHtmlBase;
    int backCalls = 0;
    int forwardCalls = 0;
    int refreshCalls = 0;
    int stopCalls = 0;
    int focusCalls = 0;
    quint32 hostInfoFlags = 0;
    quint32 downloadControl = 0;
    struct CommandTargetCall
    {
        CommandTarget::Group group;
        int id;
        int option;
        bool operator==(const CommandTargetCall &) const = default;
    };
    QList<CommandTargetCall> commandTargetCalls;
    struct FieldAnswer
    {
        QString field, expected, value;
        int caret = 0;
    };
    QList<FieldAnswer> fieldAnswers;

    void setTitle(const QString &title) { m_title = title; }
    void setUrl(const QUrl &url) { m_url = url; }
    void setBusy(bool busy) { m_busy = busy; }
    void setDocument(std::shared_ptr<PageDocument> document) { m_document = std::move(document); }

    // Reports raised through the host; false or null where the host answers so or is missing.
    bool raiseBeforeNavigate(const QUrl &url, int frame = 0);
    BrowserControl *raiseNewWindow(bool &cancel);
    void raiseNavigateComplete(const QUrl &url, int frame = 0);
    void raiseDocumentComplete(const QUrl &url, int frame = 0);
    void raiseTitleChange(const QString &title);
    void raiseStatusTextChange(const QString &text);
    void raiseProgressChange(int progress, int maximum);
    void raiseHistoryChange(bool canGoBack, bool canGoForward);
    void raiseWindowCloseRequested();
    quint32 raiseHostInfoRequest();

    // A whole top-level load as the engine reports it: before-navigate, then (unless
    // cancelled) busy, navigate-complete, the title, not busy, document-complete. The title is
    // also what the control reports from then on.
    bool loadPage(const QUrl &url, const QString &title);

private:
    QPointer<QWidget> m_widget;
    QString m_title;
    QUrl m_url;
    bool m_busy = false;
    std::shared_ptr<PageDocument> m_document;
};
