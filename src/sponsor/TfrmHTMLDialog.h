#pragma once

#include "browser/BrowserControl.h"

#include <QDialog>
#include <QPointer>
#include <functional>
#include <memory>

class TKestrelWB;

// The HTML dialog window: one browser view that shows a page, on top of the other windows,
// with only a close box; Esc closes it too. The page shown first loads in the dialog; every
// later top-level navigation, and every new window the page asks for, is cancelled and handed
// to openInActiveBrowser with its address, so the dialog stays on its page. The page gets no
// bridge into the program: the view is a plain browser view.
class TfrmHTMLDialog : public QDialog
{
    Q_OBJECT
public:
    using OpenInActiveBrowser = std::function<void(const QString &address)>;

    static constexpr int DefaultWidth = 350;
    static constexpr int DefaultHeight = 373;

    explicit TfrmHTMLDialog(OpenInActiveBrowser openInActiveBrowser, QWidget *parent = nullptr,
                            std::unique_ptr<BrowserControl> control = {});

    void setClientWidth(int width);
    void setClientHeight(int height);
    void Navigate(const QString &address);
    // Shows HTML from memory as a page of origin's web origin (a sponsor answer).
    void ShowHtml(const QString &html, const QUrl &origin);

    TKestrelWB *browser() const { return m_browser; }

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void done(int result) override;
    // The dialog's message hook while it is active: history keys never move the dialog's page.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void beforeNavigate(bool topLevel, const QString &address, bool &cancel);
    TKestrelWB *newWindowCatcher();

    OpenInActiveBrowser m_openInActiveBrowser;
    TKestrelWB *m_browser;
    TKestrelWB *m_catcher = nullptr;
    bool m_pageShown = false;
    bool m_hooked = false;
    QPointer<QObject> m_previousHook;
};
