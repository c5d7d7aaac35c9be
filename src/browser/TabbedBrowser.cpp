#include "browser/TabbedBrowser.h"

#include "browser/TKestrelWB.h"
#include "browser/status/BrowserChrome.h"
#include "browser/status/BusyAnimation.h"
#include "browser/status/NavigationCommands.h"
#include "browser/status/PageEvents.h"
#include "browser/status/StatusArea.h"
#include "browser/tabs/PageControl.h"
#include "browser/tabs/TabCommands.h"
#include "browser/tabs/TabMenus.h"
#include "ui/CommandIds.h"
#include "ui/CommandRegistry.h"
#include "ui/MainWindowKeys.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

namespace {
const QString WorldClip = QStringLiteral(":/animation/WORLD.gif");
}

TabbedBrowser::TabbedBrowser(QMainWindow &window, CommandRegistry &commands, SettingsStore &settings,
                             Prompter &prompter, std::function<bool()> closing, TabSet::ViewFactory createView)
    : m_window(window), m_commands(commands), m_pageControl(new PageControl(&window)),
      m_status(new StatusArea(&window)), m_animationBand(new QWidget(&window)),
      m_animation(new BusyAnimation(m_animationBand, m_animationBand)), m_address(new QComboBox(&window))
{
    m_pageControl->setObjectName(QStringLiteral("PageControl1"));
    window.setCentralWidget(m_pageControl);
    window.setStatusBar(m_status);

    m_animationBand->setObjectName(QStringLiteral("pnlAnimate"));
    auto *bandLayout = new QHBoxLayout(m_animationBand);
    bandLayout->setContentsMargins(0, 0, 0, 0);
    bandLayout->addWidget(m_animation);
    m_animation->setObjectName(QStringLiteral("Animate1"));

    m_address->setObjectName(QStringLiteral("cboURLAddress"));
    m_address->setEditable(true);
    m_address->setInsertPolicy(QComboBox::NoInsert);
    m_address->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    if (!createView)
        createView = [](QWidget *sheet) { return new TKestrelWB(sheet); };
    m_chrome = std::make_unique<BrowserChrome>(window, *m_status, *m_animation, *m_address, commands);
    m_tabs = std::make_unique<TabSet>(*m_pageControl, settings, prompter, *m_chrome, std::move(createView));
    m_events = std::make_unique<PageEvents>(*m_tabs, *m_chrome, settings, std::move(closing));
    m_tabCommands = std::make_unique<TabCommands>(commands, *m_tabs);
    m_navigationCommands = std::make_unique<NavigationCommands>(commands, *m_tabs, *m_chrome);
    m_menus = std::make_unique<TabMenus>(commands, *m_tabCommands, *m_tabs, &window);
    m_tabs->setSheetPopupMenu(m_menus->PopupMenuTabSheet());

    createMenus();
    createToolBar();
    m_keys = std::make_unique<MainWindowKeys>(window, commands);
}

TabbedBrowser::~TabbedBrowser()
{
    // Views go first, while everything their events reach still exists.
    m_tabs.reset();
}

void TabbedBrowser::selectBusyAnimation()
{
    m_animation->open(WorldClip);
}

void TabbedBrowser::createMenus()
{
    QMenuBar *bar = m_window.menuBar();
    const auto add = [this](QMenu *menu, const QString &id, const QString &caption) {
        menu->addAction(m_commands.createAction(id, menu, caption));
    };

    QMenu *file = m_fileMenu = bar->addMenu(QStringLiteral("&File"));
    QMenu *fileNew = file->addMenu(QStringLiteral("&New"));
    add(fileNew, CommandIds::NewTab, QStringLiteral("&Browser Tab"));
    add(m_fileMenu, CommandIds::CloseTab, QStringLiteral("&Close Page"));

    QMenu *view = m_viewMenu = bar->addMenu(QStringLiteral("&View"));
    view->addMenu(m_menus->BrowserTabs());
    view->addSeparator();
    add(view, CommandIds::Refresh, QStringLiteral("&Refresh"));
    add(view, CommandIds::Stop, QStringLiteral("&Stop"));

    QMenu *go = m_goMenu = bar->addMenu(QStringLiteral("&Go"));
    add(go, CommandIds::Back, QStringLiteral("&Back"));
    add(go, CommandIds::Forward, QStringLiteral("&Forward"));
    go->addSeparator();
    add(go, CommandIds::Home, QStringLiteral("&Home Page"));

    m_optionsMenu = bar->addMenu(QStringLiteral("&Options"));
    bar->addMenu(m_menus->PopupMenuTabs());
    bar->setCornerWidget(m_animationBand, Qt::TopRightCorner);
}

void TabbedBrowser::createToolBar()
{
    m_toolBar = m_window.addToolBar(QStringLiteral("Standard Buttons"));
    m_toolBar->setObjectName(QStringLiteral("ToolBar2"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolBar->setIconSize(QSize(20, 20));
    const auto add = [this](const QString &id, QStyle::StandardPixmap icon) {
        QAction *action = m_commands.createAction(id, m_toolBar);
        action->setIcon(m_window.style()->standardIcon(icon));
        m_toolBar->addAction(action);
    };
    add(CommandIds::Back, QStyle::SP_ArrowBack);
    add(CommandIds::Forward, QStyle::SP_ArrowForward);
    add(CommandIds::Stop, QStyle::SP_BrowserStop);
    add(CommandIds::Refresh, QStyle::SP_BrowserReload);
    add(CommandIds::Home, QStyle::SP_DirHomeIcon);
    m_toolBar->addSeparator();
    add(CommandIds::NewTab, QStyle::SP_FileIcon);
    add(CommandIds::TabUp, QStyle::SP_ArrowUp);
    add(CommandIds::TabDown, QStyle::SP_ArrowDown);
    add(CommandIds::PreviousTab, QStyle::SP_MediaSkipBackward);
    add(CommandIds::NextTab, QStyle::SP_MediaSkipForward);
    add(CommandIds::CloseTab, QStyle::SP_DialogCloseButton);

    m_window.addToolBarBreak();
    QToolBar *addressBar = m_window.addToolBar(QStringLiteral("Address Bar"));
    addressBar->setObjectName(QStringLiteral("AddressBand"));
    addressBar->addWidget(m_address);
}
