#pragma once

#include "pagetools/TranslateNavigation.h"

#include <QFrame>
#include <functional>

class CommandRegistry;
class QWebEngineProfile;
class QWebEngineView;

// The translation window: a borderless drop-down panel with a 1-pixel border around a small
// browser view on the panel page carried in the resources. The user picks a language pair and
// presses "Translate"; the page's request is taken out of the panel, completed with the address
// of the page in the address box, and opened in the active tab. Created once and then only
// shown and hidden, so the last chosen pair stays. The view has its own engine profile: no
// page agent and no bridge into the program.
class TfrmTranslate : public QFrame
{
    Q_OBJECT
public:
    static constexpr int ClientWidth = 398;
    static constexpr int ClientHeight = 155;
    static const QString PanelAddress;

    using AddressBoxText = std::function<QString()>;
    using NavigateActiveBrowser = std::function<void(const QString &address)>;

    // Registers the "Translate" command in commands. mainWindow owns the panel and holds the
    // tool buttons it drops down under.
    TfrmTranslate(CommandRegistry &commands, AddressBoxText addressBoxText,
                  NavigateActiveBrowser navigateActiveBrowser, QWidget *mainWindow);
    ~TfrmTranslate() override;

    // The "Translate" command: the panel under the visible tool button carrying the command,
    // else under the top-left of the main window's content.
    void tbTranslateClick();
    // Shows the panel with its left at screen x + 2 and its top at screen y.
    void ShowAt(const QPoint &anchor);
    // Makes the panel's view and loads the panel page the first time; later calls keep the
    // page as it is, with the pair last chosen. The engine starts no sooner than it is needed.
    void LoadPanel();

    // The panel's view; null until the panel is first loaded.
    QWebEngineView *WebBrowser1() const { return m_view; }

protected:
    bool event(QEvent *event) override;

private:
    bool WebBrowser1BeforeNavigate2(const QUrl &url);

    AddressBoxText m_addressBoxText;
    NavigateActiveBrowser m_navigateActiveBrowser;
    QWidget *m_mainWindow;
    TranslateNavigation m_navigation;
    QWebEngineProfile *m_profile = nullptr;
    QWebEngineView *m_view = nullptr;
};
