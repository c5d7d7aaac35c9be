#include "browser/status/PageEvents.h"

#include "browser/HostInfoFlags.h"
#include "browser/TKestrelWB.h"
#include "browser/page/PageDocument.h"
#include "browser/status/BrowserChrome.h"
#include "browser/tabs/BrowserTab.h"
#include "browser/tabs/TabSet.h"
#include "shell/SettingsStore.h"

#include <QUrl>
#include <algorithm>
#include <cmath>

namespace {
QString beforeFragment(const QString &address)
{
    const qsizetype hash = address.indexOf(QLatin1Char('#'));
    return hash < 0 ? address : address.left(hash);
}
}

PageEvents::PageEvents(TabSet &tabs, BrowserChrome &chrome, SettingsStore &settings, std::function<bool()> closing,
                       QObject *parent)
    : QObject(parent), m_tabs(tabs), m_chrome(chrome), m_settings(settings), m_closing(std::move(closing))
{
    connect(&m_tabs, &TabSet::BrowserCreated, this, &PageEvents::connectView);
}

void PageEvents::connectView(TKestrelWB *view)
{
    connect(view, &TKestrelWB::StatusTextChange, this, &PageEvents::StatusTextChange);
    connect(view, &TKestrelWB::CommandStateChange, this, &PageEvents::CommandStateChange);
    connect(view, &TKestrelWB::TitleChange, this, &PageEvents::TitleChange);
    connect(view, &TKestrelWB::NavigateComplete2, this, &PageEvents::NavigateComplete2);
    connect(view, &TKestrelWB::DocumentComplete, this, &PageEvents::DocumentComplete);
    connect(view, &TKestrelWB::ProgressChange, this, &PageEvents::ProgressChange);
    connect(view, &TKestrelWB::WindowClosing, &m_tabs, &TabSet::requestCloseOf);
    view->OnBeforeNavigate2 = [this](TKestrelWB *sender, BrowserFrame frame, const QString &address, bool &cancel) {
        BeforeNavigate2(sender, frame, address, cancel);
    };
    view->OnGetHostInfo = [this](TKestrelWB *sender) { return GetHostInfo(sender); };
}

void PageEvents::StatusTextChange(TKestrelWB *sender, const QString &text)
{
    if (m_tabs.isActive(m_tabs.tabOfView(sender)))
        m_chrome.setStatusText(text);
}

void PageEvents::CommandStateChange(TKestrelWB *sender, int command, bool enable)
{
    m_tabs.setHistoryAvailable(m_tabs.tabOfView(sender), command, enable);
}

void PageEvents::TitleChange(TKestrelWB *sender, const QString &title)
{
    BrowserTab *tab = m_tabs.tabOfView(sender);
    if (!tab)
        return;
    // A title that is an address is no name for the tab.
    if (!title.toLower().contains(QLatin1String("http://")))
        m_tabs.setCaptionFromTitle(tab, title);
    if (m_tabs.isActive(tab))
        m_chrome.setWindowCaption(QStringLiteral("Kestrel Browser - [") + title + QStringLiteral("]"));
}

void PageEvents::BeforeNavigate2(TKestrelWB *sender, BrowserFrame frame, const QString &address, bool &cancel)
{
    Q_UNUSED(cancel);
    BrowserTab *tab = m_tabs.tabOfView(sender);
    if (!tab)
        return;
    // The engine reports no completion for frames, so only the page itself starts the
    // animation and shows "Loading ...": a frame's start would never be matched by a stop.
    const bool page = frame == sender->Application();
    if (page)
        m_chrome.startBusy();
    const QString location = sender->LocationURL().trimmed();
    if (!location.isEmpty() && beforeFragment(address) != beforeFragment(location))
        emit PageLeaving(sender, location);
    if (page)
        m_tabs.setCaption(tab, QStringLiteral("Loading ..."));
}

void PageEvents::NavigateComplete2(TKestrelWB *sender, BrowserFrame frame, const QString &address)
{
    BrowserTab *tab = m_tabs.tabOfView(sender);
    if (!tab)
        return;
    if (m_tabs.isActive(tab)) {
        m_chrome.showPageAddress(shownAddress(sender, frame, address));
        // The keyboard stays in the address box while the user is there.
        if (!m_chrome.addressHasFocus())
            sender->SetFocus();
    }
    emit PageReached(sender, address);
}

QString PageEvents::shownAddress(TKestrelWB *view, BrowserFrame frame, const QString &address)
{
    const bool page = frame == view->Application();
    if (const std::shared_ptr<PageDocument> document = view->Document()) {
        // The page's document names it, unless the engine shows a document of its own there
        // (its error page, the source view, the start page's resource): another kind of address.
        const QString url = document->url();
        if (!url.isEmpty() && (!page || QUrl(url).scheme() == QUrl(address).scheme()))
            return url;
    }
    // An address the engine cannot name ("hello world") stays as the user gave it.
    return page && address.isEmpty() ? view->RequestedAddress() : address;
}

void PageEvents::DocumentComplete(TKestrelWB *sender, BrowserFrame frame, const QString &address)
{
    Q_UNUSED(address);
    BrowserTab *tab = m_tabs.tabOfView(sender);
    if (!tab)
        return;
    m_chrome.stopBusy();
    if (m_closing && m_closing())
        return;
    if (frame != sender->Application())
        return;
    // An empty name or a bare fragment name leaves the caption as it is.
    const QString name = sender->LocationName();
    if (!name.isEmpty() && !name.startsWith(QLatin1Char('#')))
        m_tabs.setCaptionFromTitle(tab, name);
}

void PageEvents::ProgressChange(TKestrelWB *sender, int progress, int maximum)
{
    if (m_tabs.isActive(m_tabs.tabOfView(sender)))
        m_chrome.setProgress(gaugePercent(progress, maximum));
}

quint32 PageEvents::GetHostInfo(TKestrelWB *sender)
{
    Q_UNUSED(sender);
    const QString &section = SettingsStore::MainSection;
    quint32 flags = 0;
    if (!m_settings.readBool(section, QStringLiteral("3D Border"), true))
        flags |= HostInfoFlags::No3DBorder;
    if (m_settings.readBool(section, QStringLiteral("Flat Scrollbars"), false))
        flags |= HostInfoFlags::FlatScrollBar;
    if (m_settings.readBool(section, QStringLiteral("IE Autocomplete"), true))
        flags |= HostInfoFlags::EnableFormsAutoComplete;
    return flags;
}

int PageEvents::gaugePercent(int progress, int maximum)
{
    if (progress < 1 || maximum < 1)
        return 0;
    // nearbyint rounds to the nearest integer, halves to even.
    const double percent = std::nearbyint(static_cast<double>(progress) * 100.0 / maximum);
    return static_cast<int>(std::clamp(percent, 0.0, 100.0));
}
