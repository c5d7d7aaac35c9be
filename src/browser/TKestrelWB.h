#pragma once

#include "browser/BrowserControl.h"
#include "browser/BrowserControlHost.h"
#include "browser/BrowserFrame.h"

#include <QFrame>
#include <functional>
#include <memory>

class PageDocument;
class Prompter;

// The browser view: one engine control in a frame, with the operations and events the rest of
// the program relies on, a Homepage that GoHome opens and the DownloadOptions that choose what
// a page may load by itself.
class TKestrelWB : public QFrame, private BrowserControlHost
{
    Q_OBJECT
public:
    // Takes the engine control; without one the view runs on Qt WebEngine.
    explicit TKestrelWB(QWidget *parent = nullptr, std::unique_ptr<BrowserControl> control = {});
    ~TKestrelWB() override;

    void Navigate(const QString &address);
    void Navigate2(const QString &address);
    // Shows HTML held in memory as a page of baseUrl's origin.
    void ShowHtml(const QString &html, const QUrl &baseUrl);
    void GoBack();
    void GoForward();
    void Refresh();
    void Stop();
    void GoHome();

    QString LocationName() const;
    QString LocationURL() const;
    // The address the view was last asked to open, as it was given; it names the page while
    // the engine has no address for it (a load still on its way, or text that is no address).
    QString RequestedAddress() const { return m_requestedAddress; }
    bool Busy() const;
    BrowserFrame Application() const;
    std::shared_ptr<PageDocument> Document() const;
    // Runs a command on the top-level document; nothing (an invalid value) while no page is
    // shown. Its result is what the control gives back.
    QVariant ExecCommandTarget(CommandTarget::Group group, int id, int option, Prompter &prompter);
    // Gives the keyboard to the page (focus plus activation of the control).
    void SetFocus();

    QString Homepage() const { return m_homepage; }
    void setHomepage(const QString &address) { m_homepage = address; }
    quint32 DownloadOptions() const { return m_downloadOptions; }
    void setDownloadOptions(quint32 flags);

    BrowserControl *control() const { return m_control.get(); }

    // Cancellable events and the host-information request: one handler each, set by the owner.
    std::function<void(TKestrelWB *sender, BrowserFrame frame, const QString &address, bool &cancel)>
        OnBeforeNavigate2;
    std::function<void(TKestrelWB *sender, TKestrelWB *&newView, bool &cancel)> OnNewWindow2;
    std::function<quint32(TKestrelWB *sender)> OnGetHostInfo;

signals:
    void StatusTextChange(TKestrelWB *sender, const QString &text);
    void ProgressChange(TKestrelWB *sender, int progress, int maximum);
    // Command 1 is forward, 2 is back.
    void CommandStateChange(TKestrelWB *sender, int command, bool enable);
    void TitleChange(TKestrelWB *sender, const QString &text);
    void NavigateComplete2(TKestrelWB *sender, BrowserFrame frame, const QString &address);
    void DocumentComplete(TKestrelWB *sender, BrowserFrame frame, const QString &address);
    // The page closed its own window (window.close()).
    void WindowClosing(TKestrelWB *sender);

private:
    bool controlBeforeNavigate(int frame, const QUrl &url) override;
    BrowserControl *controlNewWindow(bool &cancel) override;
    void controlNavigateComplete(int frame, const QUrl &url) override;
    void controlDocumentComplete(int frame, const QUrl &url) override;
    void controlTitleChange(const QString &title) override;
    void controlStatusTextChange(const QString &text) override;
    void controlProgressChange(int progress, int maximum) override;
    void controlHistoryChange(bool canGoBack, bool canGoForward) override;
    void controlWindowCloseRequested() override;
    quint32 controlHostInfoFlags() override;

    BrowserFrame frameOf(int frame) const { return BrowserFrame{this, frame}; }
    void applyHostInfo(quint32 flags);

    std::unique_ptr<BrowserControl> m_control;
    QString m_homepage;
    QString m_requestedAddress;
    quint32 m_downloadOptions;
    bool m_canGoBack = false;
    bool m_canGoForward = false;
};
