#include "ui/WindowChrome.h"

#include "shell/SettingsStore.h"
#include "shell/Workspace.h"
#include "support/AboutBox.h"
#include "ui/ButtonBar.h"
#include "ui/CommandIds.h"
#include "ui/CommandRegistry.h"
#include "ui/CoolBar.h"
#include "ui/MakerSite.h"

#include <QComboBox>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {
struct BandDesign
{
    const QString &name;
    const char *text;
    BandLayout::Band band;
};

// The bands in their initial order.
const QList<BandDesign> &designBands()
{
    static const QList<BandDesign> bands{
        {WindowChrome::MenuBand, "", {WindowChrome::MenuBand, 165, 24, 888, true, true, false}},
        {WindowChrome::AnimateBand, "", {WindowChrome::AnimateBand, 25, 25, 25, false, true, true}},
        {WindowChrome::ToolbarBand, "", {WindowChrome::ToolbarBand, 28, 27, 635, true, true, false}},
        {WindowChrome::KestrelToolsBand, "Kestrel Tools:", {WindowChrome::KestrelToolsBand, 0, 26, 88, false, false, false}},
        {WindowChrome::QuickSearchBand, "Quick Search:", {WindowChrome::QuickSearchBand, 0, 28, 96, false, true, false}},
        {WindowChrome::QuickQuoteBand, "Quick Quote:", {WindowChrome::QuickQuoteBand, 0, 28, 90, false, true, false}},
        {WindowChrome::AddressBand, "Address:", {WindowChrome::AddressBand, 120, 24, 915, true, true, false}},
    };
    return bands;
}

// The stored bands, in the order they are restored and saved.
const QString *const storedBands[] = {&WindowChrome::ToolbarBand,     &WindowChrome::MenuBand,
                                      &WindowChrome::QuickSearchBand, &WindowChrome::QuickQuoteBand,
                                      &WindowChrome::KestrelToolsBand, &WindowChrome::AddressBand};

QString bandSection(const QString &name)
{
    return SettingsStore::MainSection + QStringLiteral("\\CoolBands\\") + name;
}

const QString ToolBarMainKey = QStringLiteral("ToolBarMain");
const QString FullScreenToolBarAlign = QStringLiteral("FullScreenToolBarAlign");
}

WindowChrome::WindowChrome(Services services)
    : m_services(std::move(services)), m_window(m_services.window), m_commands(m_services.commands),
      m_coolBar(new CoolBar(&m_window)), m_menuBar(new QMenuBar), m_toolBar2(nullptr), m_toolBar4(nullptr),
      m_clientArea(new QWidget(&m_window)), m_clientLayout(new QVBoxLayout(m_clientArea)),
      m_pnlToolBar(nullptr), m_fullScreen(m_window), m_toolbarsMenu(new QMenu(QStringLiteral("&Toolbars"), &m_window)),
      m_bandMenu(new QMenu(&m_window)), m_windowSizeMenu(new QMenu(QStringLiteral("&Window Size"), &m_window))
{
    // The page area: the tab set, with room for the full-screen tool bar docked above or below.
    m_clientArea->setObjectName(QStringLiteral("ClientArea"));
    m_clientLayout->setContentsMargins(0, 0, 0, 0);
    m_clientLayout->setSpacing(0);
    if (QWidget *pages = m_window.takeCentralWidget())
        m_clientLayout->addWidget(pages, 1);
    m_window.setCentralWidget(m_clientArea);
    m_pnlToolBar = new FullScreenToolBar(m_commands, m_clientArea, m_clientLayout);

    registerCommands();
    createBands();
    createBandMenus();
    createWindowSizeMenu();
    rebuildMenus();
    connect(&m_commands, &CommandRegistry::commandAdded, this, &WindowChrome::commandAdded);
    m_window.setMenuWidget(m_coolBar);
    watchForDropDownClose(m_coolBar);
}

WindowChrome::~WindowChrome() = default;

void WindowChrome::registerCommands()
{
    Command *fullScreen = m_commands.add(CommandIds::FullScreen, QStringLiteral("Fullscreen"),
                                         QStringLiteral("Fullscreen View"), QKeySequence(Qt::Key_F8),
                                         [this] { tbFullscreenClick(!isFullScreen()); });
    fullScreen->setCheckable(true);
    m_commands.add(CommandIds::OnlineHelp, QStringLiteral("&Online Help"), QString(), {}, [this] {
        m_services.addBrowserTab(MakerSite::address(QStringLiteral("/kestrelbrowser/help.html")),
                                 QStringLiteral("Online Help"));
    });
    m_commands.add(CommandIds::ProductHomePage, QStringLiteral("&Home Page"), QString(), {}, [this] {
        m_services.addBrowserTab(MakerSite::address(QStringLiteral("/kestrelbrowser/index.html")), QString());
    });
    m_commands.add(CommandIds::About, QStringLiteral("&About"), QString(), {},
                   [this] { AboutBox::show(m_services.prompter); });
    Command *saveWorkspace =
        m_commands.add(CommandIds::SaveWorkspace, QStringLiteral("&Save Workspace on Exit"), QString(), {}, [this] {
            m_services.workspace.toggleSaveWorkspace();
            m_services.workspaceSwitchedOn();
        });
    saveWorkspace->setCheckable(true);
    saveWorkspace->setChecked(m_services.workspace.saveWorkspace());
}

void WindowChrome::createBands()
{
    m_menuBar->setObjectName(QStringLiteral("ToolBarMain"));
    m_menuBar->setNativeMenuBar(false);
    m_menuBar->setMinimumHeight(24);
    m_toolBar2 = new ButtonBar(m_commands, ChromeLayout::standardButtons(), ButtonBar::Drop::Arrow);
    m_toolBar2->setObjectName(QStringLiteral("ToolBar2"));
    m_toolBar4 = new ButtonBar(m_commands, ChromeLayout::kestrelTools(), ButtonBar::Drop::WholeButton);
    m_toolBar4->setObjectName(QStringLiteral("ToolBar4"));
    m_toolBar4->setCaptionsBeside();
    for (ButtonBar *bar : {m_toolBar2, m_toolBar4})
        connect(bar, &ButtonBar::rebuilt, this, [this, bar] { watchForDropDownClose(bar); });

    m_services.pnlAnimate->setFixedSize(25, 25);
    const QHash<QString, QWidget *> bars{{MenuBand, m_menuBar},
                                         {AnimateBand, m_services.pnlAnimate},
                                         {ToolbarBand, m_toolBar2},
                                         {KestrelToolsBand, m_toolBar4},
                                         {AddressBand, m_services.cboURLAddress}};
    for (const BandDesign &design : designBands()) {
        if (QWidget *bar = bars.value(design.name))
            m_coolBar->insertBand(m_coolBar->bands().count(), design.band, QString::fromUtf8(design.text), bar);
    }
    connect(m_coolBar, &CoolBar::contextMenuRequested, this, [this](const QPoint &at) { m_bandMenu->popup(at); });
}

void WindowChrome::setBandBar(const QString &bandName, QWidget *bar)
{
    if (!bar || m_coolBar->hasBand(bandName))
        return;
    for (const BandDesign &design : designBands()) {
        if (design.name != bandName)
            continue;
        // In the initial order: after the last band present that comes before it there.
        int index = 0;
        for (const BandDesign &earlier : designBands()) {
            if (earlier.name == bandName)
                break;
            const int present = m_coolBar->bands().indexOf(earlier.name);
            if (present >= 0)
                index = present + 1;
        }
        m_coolBar->insertBand(index, design.band, QString::fromUtf8(design.text), bar);
        watchForDropDownClose(m_coolBar->bandWidget(bandName));
        return;
    }
}

void WindowChrome::RestoreBands()
{
    SettingsStore &store = m_services.settings;
    for (const QString *name : storedBands) {
        if (!m_coolBar->hasBand(*name))
            continue;
        const QString section = bandSection(*name);
        const int index = store.readInteger(section, QStringLiteral("Index"), -1);
        // A band without a stored place keeps its initial state; one whose place does not exist
        // here is left alone and the next band is done.
        if (index < 0 || index >= m_coolBar->bands().count())
            continue;
        m_coolBar->moveBand(*name, index);
        m_coolBar->setBandBreak(*name, store.readBool(section, QStringLiteral("Break"), false));
        m_coolBar->setBandWidth(*name, store.readInteger(section, QStringLiteral("Width"), 250));
        m_coolBar->setBandVisible(*name, store.readBool(section, QStringLiteral("Visible"), false));
    }
    m_coolBar->moveBand(MenuBand, 0);
    m_coolBar->setBandVisible(MenuBand, true);
}

void WindowChrome::SaveBands()
{
    SettingsStore &store = m_services.settings;
    const BandLayout &bands = m_coolBar->bands();
    for (const QString *name : storedBands) {
        const int index = bands.indexOf(*name);
        if (index < 0)
            continue;
        const BandLayout::Band &band = bands.band(index);
        const QString section = bandSection(*name);
        store.writeInteger(section, QStringLiteral("Index"), index);
        store.writeBool(section, QStringLiteral("Break"), band.breakBefore);
        store.writeInteger(section, QStringLiteral("Width"), band.width);
        store.writeBool(section, QStringLiteral("Visible"), band.visible);
    }
}

void WindowChrome::ReadButtonMode()
{
    const QString stored = m_services.settings.readString(SettingsStore::MainSection, ToolBarMainKey,
                                                          QStringLiteral("IconsOnly"));
    if (const std::optional<ButtonMode> mode = ButtonModes::fromStored(stored))
        SetButtonMode(*mode);
}

void WindowChrome::WriteButtonMode()
{
    m_services.settings.writeString(SettingsStore::MainSection, ToolBarMainKey, ButtonModes::stored(m_toolBar2->mode()));
}

void WindowChrome::SetButtonMode(ButtonMode mode)
{
    m_toolBar2->setMode(mode);
    if (mode == ButtonMode::Normal)
        m_coolBar->setBandMinHeight(ToolbarBand, 42);
    else if (mode == ButtonMode::IconsOnly)
        m_coolBar->setBandMinHeight(ToolbarBand, 28);
}

void WindowChrome::SetWindowSize(int width, int height)
{
    if (m_window.isMaximized())
        m_window.setWindowState(m_window.windowState() & ~Qt::WindowMaximized);
    const QSize frame = m_window.frameGeometry().size() - m_window.size();
    m_window.resize(width - frame.width(), height - frame.height());
}

void WindowChrome::watchForDropDownClose(QWidget *widget)
{
    widget->installEventFilter(this);
    for (QWidget *child : widget->findChildren<QWidget *>())
        child->installEventFilter(this);
}

bool WindowChrome::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        emit closeFavoritesDropDown();
        break;
    case QEvent::FocusIn:
        if (watched == m_menuBar || watched == m_services.cboURLAddress
            || m_services.cboURLAddress->isAncestorOf(static_cast<QWidget *>(watched)))
            emit closeFavoritesDropDown();
        break;
    case QEvent::MouseMove: {
        if (watched != m_menuBar)
            break;
        // While the favorites drop-down is open, another menu-bar button takes over.
        const Command *favorites = m_commands.find(CommandIds::FavoritesDropDown);
        QAction *over = m_menuBar->actionAt(static_cast<QMouseEvent *>(event)->position().toPoint());
        if (favorites && favorites->isChecked() && over && over->menu() && over != m_menuBar->activeAction()) {
            emit closeFavoritesDropDown();
            m_menuBar->setActiveAction(over);
        }
        break;
    }
    default:
        break;
    }
    return false;
}

void WindowChrome::tbFullscreenClick(bool down)
{
    if (down == isFullScreen())
        return;
    QStatusBar *status = m_window.statusBar();
    if (down) {
        status->hide();
        m_coolBar->hide();
        m_pnlToolBar->setFixedHeight(m_pnlToolBar->ToolBarForFullscreen()->sizeHint().height() + 2);
        const int align = m_services.settings.readInteger(SettingsStore::MainSection, FullScreenToolBarAlign, 1);
        if (align == 1)
            m_pnlToolBar->setDock(FullScreenToolBar::Dock::Top);
        else if (align == 2)
            m_pnlToolBar->setDock(FullScreenToolBar::Dock::Bottom);
        else
            m_pnlToolBar->setDock(FullScreenToolBar::Dock::Floating);
        m_pnlToolBar->show();
        m_fullScreen.SetFullscreen(true);
    } else {
        m_fullScreen.SetFullscreen(false);
        m_services.settings.writeInteger(SettingsStore::MainSection, FullScreenToolBarAlign,
                                         int(m_pnlToolBar->dock()));
        m_pnlToolBar->hide();
        status->show();
        m_coolBar->show();
    }
    m_commands.find(CommandIds::FullScreen)->setChecked(down);
}
