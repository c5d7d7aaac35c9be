// The main window's settings: what it reads when it is created and writes when it closes.
#include "browser/TfrmKestrelBrowser.h"

#include "browser/AddressBar.h"
#include "browser/TabbedBrowser.h"
#include "shell/DataFolder.h"
#include "shell/QuickLaunch.h"
#include "shell/WindowPlacement.h"
#include "ui/WindowChrome.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QScreen>

namespace {
const QString &Main = SettingsStore::MainSection;
const QString SearchWidth = QStringLiteral("SearchWidth");
const QString QuoteWidth = QStringLiteral("QuoteWidth");
const QString TabMultiline = QStringLiteral("Tab Multiline");
const QString TabPosition = QStringLiteral("Tab Position");

QString mainSubkey(const char *name)
{
    return SettingsStore::MainSection + QLatin1Char('\\') + QLatin1String(name);
}
}

void TfrmKestrelBrowser::FormCreate()
{
    SelectBusyAnimation();
    ReadSearchBoxWidths();
    ApplyWindowPlacement();
    ForceInlineImages();
    MakeQuickLaunchShortcut();
    EnsureUniqueId();
    ApplyToolBarStyle();
    FillSearchSiteLists();
    ReadHistoryLists();
    ApplyTabArrangement();
    InstallPageKeyFilter();
    SetUpSponsorRotator();
    LoadTypingAids();
}

void TfrmKestrelBrowser::SelectBusyAnimation()
{
    m_tabbed->selectBusyAnimation();
}

void TfrmKestrelBrowser::ReadSearchBoxWidths()
{
    m_searchWidth = m_store.readInteger(Main, SearchWidth, 165);
    m_quoteWidth = m_store.readInteger(Main, QuoteWidth, 101);
}

void TfrmKestrelBrowser::ApplyWindowPlacement()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    // Without any screen there is nothing to fit; the defaults assume a small one.
    const QSize screenSize = screen ? screen->size() : QSize(1024, 768);
    const QRect desktop = screen ? screen->virtualGeometry() : QRect(QPoint(0, 0), screenSize);
    const WindowPlacement placement = WindowPlacement::read(m_store, screenSize, desktop);
    // A maximized window keeps the default place for when it is restored.
    move(placement.geometry.topLeft());
    resize(placement.geometry.size());
    if (placement.maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TfrmKestrelBrowser::ForceInlineImages()
{
    // Pages show their images: the views load them by themselves (their download options),
    // and the system-wide switch is kept on for other programs that read it. A failed write
    // changes nothing here.
    const QString section = QStringLiteral("Microsoft\\Internet Explorer\\Main");
    const QString key = QStringLiteral("Display Inline Images");
    const QString yes = QStringLiteral("yes");
    if (m_store.readString(section, key) != yes)
        m_store.writeString(section, key, yes);
}

void TfrmKestrelBrowser::MakeQuickLaunchShortcut()
{
    QuickLaunch::makeShortcut(m_store, QCoreApplication::applicationFilePath(), DataFolder::path());
}

void TfrmKestrelBrowser::EnsureUniqueId()
{
    const QString key = QStringLiteral("UniqueID");
    if (m_store.readString(Main, key).isEmpty())
        m_store.writeString(Main, key, QString::number(QRandomGenerator::global()->bounded(1410065407u)));
}

void TfrmKestrelBrowser::ApplyToolBarStyle()
{
    m_chrome->ReadButtonMode();
}

void TfrmKestrelBrowser::FillSearchSiteLists() {}

void TfrmKestrelBrowser::ReadHistoryLists()
{
    m_store.readList(mainSubkey("SearchTerms"), m_searchTerms);
    m_store.readList(mainSubkey("FinanceSearchTerms"), m_financeSearchTerms);
    m_addressBar->readTypedUrls();
}

void TfrmKestrelBrowser::ApplyTabArrangement()
{
    m_tabbed->tabs().applyStoredArrangement(m_store.readBool(Main, TabMultiline, false),
                                            m_store.readString(Main, TabPosition, QStringLiteral("Top")));
}

void TfrmKestrelBrowser::SetUpSponsorRotator() {}

void TfrmKestrelBrowser::LoadTypingAids()
{
    m_typingAids.LoadTypingAids();
}

void TfrmKestrelBrowser::WriteWindowSettings()
{
    WriteTabMultiline();
    m_store.writeInteger(Main, SearchWidth, m_searchWidth);
    m_store.writeInteger(Main, QuoteWidth, m_quoteWidth);
    WindowPlacement{isMaximized(), QRect(pos(), size())}.write(m_store);
    WriteTabPosition();
    WriteToolBarStyle();
    m_store.writeList(mainSubkey("SearchTerms"), m_searchTerms);
    m_store.writeList(mainSubkey("FinanceSearchTerms"), m_financeSearchTerms);
    m_addressBar->writeTypedUrls();
}

void TfrmKestrelBrowser::WriteTabMultiline()
{
    m_store.writeBool(Main, TabMultiline, m_tabbed->tabs().isMultiLine());
}

void TfrmKestrelBrowser::WriteTabPosition()
{
    m_store.writeString(Main, TabPosition, m_tabbed->tabs().tabPositionName());
}

void TfrmKestrelBrowser::WriteToolBarStyle()
{
    m_chrome->WriteButtonMode();
}
