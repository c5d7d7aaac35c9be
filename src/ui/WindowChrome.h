#pragma once

#include "ui/ButtonMode.h"
#include "ui/ChromeLayout.h"
#include "ui/FullScreenToolBar.h"
#include "ui/THarrowFullScreen.h"

#include <QHash>
#include <QObject>
#include <functional>

class ButtonBar;
class Command;
class CommandRegistry;
class CoolBar;
class Prompter;
class QMainWindow;
class QMenu;
class QMenuBar;
class QVBoxLayout;
class SettingsStore;
class Workspace;

// The window chrome of the main window: the band container CoolBar1 with the menu bar
// ToolBarMain, the standard buttons ToolBar2, the Kestrel Tools bar ToolBar4, the address box
// and the bars subsystems place in bands; every menu, built from ChromeLayout over the command
// registry; the button modes, window sizes, the Help menu; and full-screen mode with its
// floating tool bar. It registers the commands that are its own (full screen, help, the
// workspace switch).
class WindowChrome : public QObject
{
    Q_OBJECT
public:
    struct Services
    {
        QMainWindow &window;
        CommandRegistry &commands;
        SettingsStore &settings;
        Prompter &prompter;
        Workspace &workspace;
        // The workspace switch was turned on: the file catches up with the tabs open now.
        std::function<void()> workspaceSwitchedOn;
        std::function<void(const QString &address, const QString &caption)> addBrowserTab;
        // The busy animation, the address box and the tab set's menus.
        QWidget *pnlAnimate;
        QWidget *cboURLAddress;
        QMenu *browserTabsMenu;
        QMenu *tabsMenu;
    };

    // Band names in the settings.
    static inline const QString MenuBand = QStringLiteral("Menu");
    static inline const QString AnimateBand = QStringLiteral("Animate");
    static inline const QString ToolbarBand = QStringLiteral("Toolbar");
    static inline const QString KestrelToolsBand = QStringLiteral("KestrelTools");
    static inline const QString QuickSearchBand = QStringLiteral("QuickSearch");
    static inline const QString QuickQuoteBand = QStringLiteral("QuickQuote");
    static inline const QString AddressBand = QStringLiteral("Address");

    explicit WindowChrome(Services services);
    ~WindowChrome() override;

    // Places a subsystem's bar in its band ("QuickSearch", "QuickQuote"); the band appears in
    // its place of the initial order and in the band menus.
    void setBandBar(const QString &bandName, QWidget *bar);

    // The band layout from and to the settings, at the first show and at close.
    void RestoreBands();
    void SaveBands();
    // "ToolBarMain": the button mode read at creation and written at close.
    void ReadButtonMode();
    void WriteButtonMode();
    void SetButtonMode(ButtonMode mode);

    // Sets the main window's outer size; a maximized window is restored first.
    void SetWindowSize(int width, int height);

    // Full-screen mode: the "Fullscreen" button's state.
    bool isFullScreen() const { return m_fullScreen.Fullscreen(); }
    void tbFullscreenClick(bool down);

    CoolBar *CoolBar1() const { return m_coolBar; }
    QMenuBar *ToolBarMain() const { return m_menuBar; }
    ButtonBar *ToolBar2() const { return m_toolBar2; }
    ButtonBar *ToolBar4() const { return m_toolBar4; }
    FullScreenToolBar *pnlToolBar() const { return m_pnlToolBar; }
    QMenu *PopupMenuCoolbarView() const { return m_bandMenu; }
    // A menu of the menu bar by its caption ("&Edit"), for subsystems that set its state as it opens.
    QMenu *menu(const QString &caption) const { return m_menus.value(caption); }
    QMenu *ToolbarsMenu() const { return m_toolbarsMenu; }
    QMenu *WindowSizeMenu() const { return m_windowSizeMenu; }

signals:
    // A mouse press on the bands or their bars, the focus into the menu bar or the address box,
    // or the mouse over another menu-bar button while the favorites drop-down is open (its
    // command checked): the favorites drop-down and its companion panel close.
    void closeFavoritesDropDown();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void registerCommands();
    void createBands();
    void createBandMenus();
    void createWindowSizeMenu();
    void rebuildMenus();
    // A command came: only the menu that names it is filled again, unless the menu bar changes.
    void commandAdded(Command *command);
    // Empties a menu of the menu bar and fills it from its items; false when nothing is in it.
    bool refillMenu(QMenu *menu, qsizetype at);
    bool fillMenu(QMenu *menu, const QList<ChromeLayout::MenuItem> &items, qsizetype &at);
    void addMenuBarItem(const QList<ChromeLayout::MenuItem> &items, qsizetype &at);
    QMenu *providedMenu(const QString &name) const;
    void updateBandMenuState();
    void PopupMenuViewPopup();
    void watchForDropDownClose(QWidget *widget);
    void insertBandInDesignPlace(const QString &name, QWidget *bar);

    Services m_services;
    QMainWindow &m_window;
    CommandRegistry &m_commands;
    CoolBar *m_coolBar;
    QMenuBar *m_menuBar;
    ButtonBar *m_toolBar2;
    ButtonBar *m_toolBar4;
    QWidget *m_clientArea;
    QVBoxLayout *m_clientLayout;
    FullScreenToolBar *m_pnlToolBar;
    THarrowFullScreen m_fullScreen;
    QMenu *m_toolbarsMenu;
    QMenu *m_bandMenu;
    QMenu *m_windowSizeMenu;
    // The menu bar's own menus by caption; their contents are rebuilt as commands come.
    QHash<QString, QMenu *> m_menus;
};
