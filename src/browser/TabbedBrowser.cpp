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
#include "ui/CommandRegistry.h"
#include "ui/MainWindowKeys.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QMainWindow>

namespace {
const QString WorldClip = QStringLiteral(":/animation/WORLD.gif");
}

TabbedBrowser::TabbedBrowser(QMainWindow &window, CommandRegistry &commands, SettingsStore &settings,
                             Prompter &prompter, std::function<bool()> closing, TabSet::ViewFactory createView)
    : m_pageControl(new PageControl(&window)),
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
