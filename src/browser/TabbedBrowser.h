#pragma once

#include "browser/tabs/TabSet.h"

#include <QObject>
#include <functional>
#include <memory>

class BrowserChrome;
class BusyAnimation;
class CommandRegistry;
class MainWindowKeys;
class NavigationCommands;
class PageControl;
class PageEvents;
class Prompter;
class QComboBox;
class QMainWindow;
class SettingsStore;
class StatusArea;
class TabCommands;
class TabMenus;

// The browsing part of the main window: the tab set PageControl1 with its page events, the
// status area, the busy animation, the address box, the tab and navigation commands with the
// tab set's menus, and the keys. The window chrome places the commands in menus and bars.
class TabbedBrowser : public QObject
{
    Q_OBJECT
public:
    // closing: whether the window's close has been accepted. createView makes each tab's view
    // (a view on the web engine when empty).
    TabbedBrowser(QMainWindow &window, CommandRegistry &commands, SettingsStore &settings, Prompter &prompter,
                  std::function<bool()> closing, TabSet::ViewFactory createView = {});
    ~TabbedBrowser() override;

    // Selects the busy animation "WORLD".
    void selectBusyAnimation();

    TabSet &tabs() const { return *m_tabs; }
    PageEvents &events() const { return *m_events; }
    TabMenus &menus() const { return *m_menus; }
    MainWindowKeys &keys() const { return *m_keys; }

    PageControl *PageControl1() const { return m_pageControl; }
    StatusArea *status() const { return m_status; }
    BusyAnimation *Animate1() const { return m_animation; }
    QWidget *pnlAnimate() const { return m_animationBand; }
    QComboBox *cboURLAddress() const { return m_address; }

private:
    PageControl *m_pageControl;
    StatusArea *m_status;
    QWidget *m_animationBand;
    BusyAnimation *m_animation;
    QComboBox *m_address;
    std::unique_ptr<BrowserChrome> m_chrome;
    std::unique_ptr<TabSet> m_tabs;
    std::unique_ptr<PageEvents> m_events;
    std::unique_ptr<TabCommands> m_tabCommands;
    std::unique_ptr<NavigationCommands> m_navigationCommands;
    std::unique_ptr<TabMenus> m_menus;
    std::unique_ptr<MainWindowKeys> m_keys;
};
