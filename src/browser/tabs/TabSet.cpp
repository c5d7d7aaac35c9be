#include "browser/tabs/TabSet.h"

#include "browser/CommandState.h"
#include "browser/StartPage.h"
#include "browser/TKestrelWB.h"
#include "browser/engine/PageCallGate.h"
#include "browser/status/BrowserChrome.h"
#include "browser/tabs/BrowserTab.h"
#include "browser/tabs/TabCaption.h"
#include "shell/SettingsStore.h"
#include "ui/Prompter.h"

#include <QMenu>
#include <QPointer>
#include <algorithm>

namespace {
const QString WindowCaption = QStringLiteral("Kestrel Browser");
const QString LastTabMessage = QStringLiteral("You must leave at least one browser page open");
constexpr int DefaultTabTitleLength = 35;
}

TabSet::TabSet(PageControl &pages, SettingsStore &settings, Prompter &prompter, BrowserChrome &chrome,
               ViewFactory createView, QObject *parent)
    : QObject(parent), m_pages(pages), m_settings(settings), m_prompter(prompter), m_chrome(chrome),
      m_createView(std::move(createView))
{
    connect(&m_pages, &PageControl::pageShown, this, &TabSet::TabSheetShow);
    connect(&m_pages, &PageControl::tabContextMenuRequested, this, [this](int index, const QPoint &pos) {
        BrowserTab *tab = index >= 0 ? tabAt(index) : activeTab();
        if (tab && tab->popupMenu())
            tab->popupMenu()->popup(pos);
    });
}

TabSet::~TabSet()
{
    for (int i = count() - 1; i >= 0; --i) {
        if (BrowserTab *tab = tabAt(i))
            delete tab->browser();
        delete m_pages.page(i);
    }
}

QString TabSet::readHomepage() const
{
    return m_settings.readString(SettingsStore::MainSection, QStringLiteral("Homepage"), productStartPage());
}

BrowserTab *TabSet::AddBrowserTab(const QString &address, const QString &caption)
{
    auto *tab = new BrowserTab(&m_pages);
    tab->setPopupMenu(m_sheetPopupMenu);

    const QString homepage = readHomepage();

    TKestrelWB *view = m_createView(tab);
    tab->setBrowser(view);
    view->setHomepage(homepage);
    emit BrowserCreated(view);

    m_pages.addPage(tab);
    const int index = m_pages.indexOf(tab);
    m_pages.setCaption(index, caption.isEmpty() ? TabCaption::newTab(index) : caption);

    if (!homepage.isEmpty())
        view->GoHome();
    tab->BackAvailable = false;
    tab->ForwardAvailable = false;
    // The address as a workspace line: an open request's line ends are no part of it.
    tab->OpenedAddress = (address.isEmpty() ? homepage : address).trimmed();
    if (!address.isEmpty())
        view->Navigate(address);
    else
        view->GoHome();

    m_pages.setActiveIndex(m_pages.indexOf(tab));
    emit tabsChanged();
    return tab;
}

void TabSet::OpenTogether(const std::function<void()> &work)
{
    m_pages.holdShowing();
    work();
    m_pages.releaseShowing();
    if (TKestrelWB *view = GetActiveBrowser())
        view->SetFocus();
}

TKestrelWB *TabSet::GetActiveBrowser() const
{
    BrowserTab *tab = activeTab();
    return tab ? tab->browser() : nullptr;
}

BrowserTab *TabSet::tabAt(int index) const
{
    return qobject_cast<BrowserTab *>(m_pages.page(index));
}

BrowserTab *TabSet::activeTab() const
{
    return tabAt(m_pages.activeIndex());
}

BrowserTab *TabSet::tabOfView(const TKestrelWB *view) const
{
    if (!view)
        return nullptr;
    auto *tab = qobject_cast<BrowserTab *>(view->parentWidget());
    return tab && m_pages.indexOf(tab) >= 0 ? tab : nullptr;
}

bool TabSet::isActive(const BrowserTab *tab) const
{
    return tab && m_pages.activePage() == tab;
}

QString TabSet::caption(const BrowserTab *tab) const
{
    return m_pages.caption(m_pages.indexOf(tab));
}

void TabSet::setCaption(BrowserTab *tab, const QString &caption)
{
    m_pages.setCaption(m_pages.indexOf(tab), caption);
}

void TabSet::setCaptionFromTitle(BrowserTab *tab, const QString &title)
{
    const int length =
        m_settings.readInteger(SettingsStore::MainSection, QStringLiteral("TabTitleLength"), DefaultTabTitleLength);
    setCaption(tab, TabCaption::fromTitle(title, length));
}

void TabSet::TabSheetShow(int index)
{
    m_chrome.setWindowCaption(WindowCaption);
    m_previousTabIndex = m_currentTabIndex;
    m_currentTabIndex = index;
    m_chrome.setProgress(0);

    BrowserTab *tab = tabAt(index);
    if (!tab)
        return;
    m_chrome.setHistoryCommand(CommandState::Back, tab->BackAvailable);
    m_chrome.setHistoryCommand(CommandState::Forward, tab->ForwardAvailable);
    if (TKestrelWB *view = tab->browser()) {
        m_chrome.setWindowCaption(WindowCaption + QStringLiteral(" - [") + view->LocationName() + QStringLiteral("]"));
        // A tab still on its way shows the address it was asked for.
        const QString location = view->LocationURL();
        m_chrome.showAddress(location.isEmpty() ? view->RequestedAddress() : location);
        if (view->Busy())
            m_chrome.startBusy();
        else
            m_chrome.stopBusy();
        view->SetFocus();
    }
}

void TabSet::NewTab()
{
    QString homepage = readHomepage();
    if (homepage.trimmed().isEmpty())
        homepage = productStartPage();
    AddBrowserTab(homepage);
    // The user can type an address at once.
    m_chrome.focusAddress();
}

void TabSet::CloseActiveTab()
{
    const int tabs = count();
    if (tabs == 0) {
        AddBrowserTab(QString());
        return;
    }
    if (tabs == 1) {
        m_prompter.message(LastTabMessage);
        return;
    }
    const int active = m_pages.activeIndex();
    BrowserTab *closing = tabAt(active);
    if (!closing)
        return;
    if (TKestrelWB *view = closing->browser()) {
        emit BrowserClosing(view);
        delete view;
    }
    // The tab shown before this one, when it still names another tab; otherwise the
    // neighbour that follows, or the one before when the closed tab was last.
    const int previous = std::max(m_previousTabIndex, 0);
    const int nextIndex = previous < tabs && previous != active ? previous : (active + 1 < tabs ? active + 1 : active - 1);
    BrowserTab *next = tabAt(nextIndex);
    delete closing;
    m_pages.setActiveIndex(m_pages.indexOf(next));
    emit tabsChanged();
}

void TabSet::CloseAllTabs()
{
    if (m_prompter.question(QStringLiteral("Are you sure you want to close all browser tabs?")) != Prompter::Answer::Yes)
        return;
    for (int i = count() - 1; i >= 1; --i)
        freeTab(i);
    if (count() > 0)
        m_pages.setActiveIndex(0);
    if (TKestrelWB *view = GetActiveBrowser())
        view->GoHome();
    emit tabsChanged();
}

void TabSet::MoveActiveTabUp()
{
    const int active = m_pages.activeIndex();
    if (active > 0) {
        m_pages.movePage(active, active - 1);
        emit tabsChanged();
    }
}

void TabSet::MoveActiveTabDown()
{
    const int active = m_pages.activeIndex();
    if (active >= 0 && active < count() - 1) {
        m_pages.movePage(active, active + 1);
        emit tabsChanged();
    }
}

void TabSet::PreviousTab()
{
    if (count() == 0)
        return;
    const int active = m_pages.activeIndex();
    m_pages.setActiveIndex(active > 0 ? active - 1 : count() - 1);
}

void TabSet::NextTab()
{
    if (count() == 0)
        return;
    const int active = m_pages.activeIndex();
    m_pages.setActiveIndex(active >= 0 && active < count() - 1 ? active + 1 : 0);
}

void TabSet::SelectTab(int index)
{
    m_pages.setActiveIndex(index);
}

void TabSet::rebuild(const std::function<void()> &change)
{
    QStringList addresses;
    for (int i = 0; i < count(); ++i) {
        BrowserTab *tab = tabAt(i);
        if (TKestrelWB *view = tab ? tab->browser() : nullptr) {
            // A tab the engine names no address for comes back on the one it was asked for.
            const QString location = view->LocationURL();
            addresses.append(location.isEmpty() ? view->RequestedAddress() : location);
        }
    }
    while (count() > 0)
        freeTab(0);
    change();
    OpenTogether([&] {
        for (const QString &address : std::as_const(addresses))
            AddBrowserTab(address);
    });
}

void TabSet::SetMultiLine(bool multiLine)
{
    if (multiLine == m_pages.multiLine() || (!multiLine && !isSingleLineAllowed()))
        return;
    rebuild([this, multiLine] { m_pages.setMultiLine(multiLine); });
}

void TabSet::SetTabPosition(PageControl::TabPosition position)
{
    rebuild([this, position] {
        m_pages.setTabPosition(position);
        m_pages.setOwnerDraw(position == PageControl::TabPosition::Top || position == PageControl::TabPosition::Bottom);
    });
}

void TabSet::applyStoredArrangement(bool multiLine, const QString &position)
{
    m_pages.setMultiLine(multiLine);
    const QString name = position.toLower();
    if (name == QLatin1String("top") || name == QLatin1String("bottom")) {
        m_pages.setTabPosition(name == QLatin1String("top") ? PageControl::TabPosition::Top
                                                            : PageControl::TabPosition::Bottom);
        m_pages.setOwnerDraw(true);
    } else if (name == QLatin1String("left") || name == QLatin1String("right")) {
        m_pages.setTabPosition(name == QLatin1String("left") ? PageControl::TabPosition::Left
                                                             : PageControl::TabPosition::Right);
        m_pages.setOwnerDraw(false);
    } else {
        m_pages.setTabPosition(PageControl::TabPosition::Top);
        m_pages.setOwnerDraw(false);
    }
}

QString TabSet::tabPositionName() const
{
    switch (m_pages.tabPosition()) {
    case PageControl::TabPosition::Top:
        return QStringLiteral("Top");
    case PageControl::TabPosition::Bottom:
        return QStringLiteral("Bottom");
    case PageControl::TabPosition::Left:
        return QStringLiteral("Left");
    case PageControl::TabPosition::Right:
        return QStringLiteral("Right");
    }
    return QStringLiteral("Top");
}

void TabSet::setHistoryAvailable(BrowserTab *tab, int command, bool enable)
{
    if (!tab)
        return;
    if (command == CommandState::Back)
        tab->BackAvailable = enable;
    else if (command == CommandState::Forward)
        tab->ForwardAvailable = enable;
    else
        return;
    if (isActive(tab))
        m_chrome.setHistoryCommand(command, enable);
}

void TabSet::requestCloseOf(TKestrelWB *view)
{
    QPointer<BrowserTab> tab = tabOfView(view);
    if (!tab)
        return;
    // The page may have asked in the middle of a page call or of an engine decision: the tab
    // goes only once no caller is left waiting on its view.
    PageCallGate::report(this, [this, tab] {
        if (tab)
            closeTab(tab);
    });
}

void TabSet::closeTab(BrowserTab *tab)
{
    if (isActive(tab)) {
        CloseActiveTab();
        return;
    }
    if (count() < 2) {
        m_prompter.message(LastTabMessage);
        return;
    }
    freeTab(m_pages.indexOf(tab));
    emit tabsChanged();
}

void TabSet::freeTab(int index)
{
    const BrowserTab *tab = tabAt(index);
    if (TKestrelWB *view = tab ? tab->browser() : nullptr) {
        emit BrowserClosing(view);
        delete view;
    }
    delete m_pages.page(index);
}

QList<TabSet::TabMenuEntry> TabSet::tabMenuEntries() const
{
    QList<TabMenuEntry> entries;
    for (int i = 0; i < count(); ++i) {
        QString caption = m_pages.caption(i);
        // A title's own ampersands are shown, not taken as the entry's key.
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        entries.append(TabMenuEntry{QLatin1Char('&') + QString::number(i + 1) + QLatin1Char(' ') + caption, i,
                                    i == m_pages.activeIndex()});
    }
    return entries;
}

QStringList TabSet::locations() const
{
    QStringList addresses;
    for (int i = 0; i < count(); ++i) {
        BrowserTab *tab = tabAt(i);
        TKestrelWB *view = tab ? tab->browser() : nullptr;
        if (!view)
            continue;
        // A tab still loading its first page stands for the address it was opened on; one that
        // ended without a location (a download) stands for nothing.
        const QString location = view->LocationURL();
        if (!location.isEmpty())
            addresses.append(location);
        else if (view->Busy() && !tab->OpenedAddress.isEmpty())
            addresses.append(tab->OpenedAddress);
    }
    return addresses;
}
