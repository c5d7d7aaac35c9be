// The main window's settings: what it reads when it is created and writes when it closes.
#include "browser/TfrmKestrelBrowser.h"

#include "browser/AddressBar.h"
#include "browser/TabbedBrowser.h"
#include "search/SearchSubsystem.h"
#include "shell/DataFolder.h"
#include "shell/QuickLaunch.h"
#include "shell/TextFile.h"
#include "shell/WindowPlacement.h"
#include "sponsor/ShowHtmlDialog.h"
#include "sponsor/SponsorChannel.h"
#include "spell/SpellCheckTool.h"
#include "ui/WindowChrome.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace {
const QString &Main = SettingsStore::MainSection;
const QString TabMultiline = QStringLiteral("Tab Multiline");
const QString TabPosition = QStringLiteral("Tab Position");
}

void TfrmKestrelBrowser::FormCreate()
{
    RecordStart();
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

void TfrmKestrelBrowser::RecordStart()
{
    // Only one instance gets this far, so no write of another run is under way.
    TextFile::removeStaleTemporaries(DataFolder::path());
    m_startRecord.begin();
}

void TfrmKestrelBrowser::SelectBusyAnimation()
{
    m_tabbed->selectBusyAnimation();
}

void TfrmKestrelBrowser::ReadSearchBoxWidths()
{
    m_search->bars().readBoxWidths();
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
    SponsorChannel::uniqueId(m_store);
}

void TfrmKestrelBrowser::ApplyToolBarStyle()
{
    m_chrome->ReadButtonMode();
}

void TfrmKestrelBrowser::FillSearchSiteLists()
{
    m_search->bars().FillSearchSiteLists();
}

void TfrmKestrelBrowser::ReadHistoryLists()
{
    m_search->bars().readHistories();
    m_addressBar->readTypedUrls();
}

void TfrmKestrelBrowser::ApplyTabArrangement()
{
    m_tabbed->tabs().applyStoredArrangement(m_store.readBool(Main, TabMultiline, false),
                                            m_store.readString(Main, TabPosition, QStringLiteral("Top")));
}

void TfrmKestrelBrowser::SetUpSponsorRotator()
{
    m_sponsor = std::make_unique<SponsorChannel>(
        m_store, DataFolder::path(),
        [this](const QString &html, const QUrl &origin, int width, int height) {
            ::ShowHtmlDialog(html, origin, width, height, [this](const QString &link) { NavigateActiveBrowser(link); },
                             this);
        },
        [this] {
            const QScreen *shown = screen();
            return shown ? QPointF(shown->logicalDotsPerInchX(), shown->logicalDotsPerInchY()) : QPointF(96, 96);
        });
    m_sponsor->start();
}

void TfrmKestrelBrowser::LoadTypingAids()
{
    m_typingAids.LoadTypingAids();
    m_spellCheck->readConfiguration();
}

void TfrmKestrelBrowser::WriteWindowSettings()
{
    WriteTabMultiline();
    m_search->bars().writeBoxWidths();
    WindowPlacement{isMaximized(), QRect(pos(), size())}.write(m_store);
    WriteTabPosition();
    WriteToolBarStyle();
    m_search->bars().writeHistories();
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
