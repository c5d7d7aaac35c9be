#include "pagetools/PageCommands.h"

#include "browser/TKestrelWB.h"
#include "browser/page/PageDocument.h"
#include "pagetools/PageAsText.h"
#include "platform/ShellFolders.h"
#include "ui/CommandIds.h"
#include "ui/CommandRegistry.h"
#include "ui/Prompter.h"

#include <QUrl>

const QString PageCommands::OpenFilter = QStringLiteral(
    "HTML Files|*.htm;*.html|Text Files|*.txt|GIF Files|*.gif|JPEG Files|*.jpg|PNG Files|*.png|ART Files|*.art|"
    "AU Files|*.au|AIFF Files|*.aif;*.aiff|XBM Files|*.xbm|All Files|*.*");

PageCommands::PageCommands(CommandRegistry &commands, Prompter &prompter, Page page, PageAsText &pageAsText)
    : m_commands(commands), m_prompter(prompter), m_page(std::move(page)), m_pageAsText(pageAsText)
{
    registerCommands();
}

void PageCommands::registerCommands()
{
    const auto add = [this](const QString &id, const char *caption, const QKeySequence &key, void (PageCommands::*handler)()) {
        return m_commands.add(id, QString::fromUtf8(caption), QString(), key, [this, handler] { (this->*handler)(); });
    };
    add(CommandIds::Open, "&Open", QKeySequence(Qt::CTRL | Qt::Key_O), &PageCommands::Open1Click);
    add(CommandIds::SaveAs, "&Save As", QKeySequence(Qt::CTRL | Qt::Key_S), &PageCommands::SaveAs1Click);
    add(CommandIds::ViewAsText, "View Web Page As Text", {}, &PageCommands::ViewWebPageAsText1Click);
    add(CommandIds::Properties, "Proper&ties", {}, &PageCommands::Properties1Click);
    add(CommandIds::PageSetup, "Page Set&up", {}, &PageCommands::PageSetup1Click);
    add(CommandIds::Print, "&Print", QKeySequence(Qt::CTRL | Qt::Key_P), &PageCommands::Print1Click);
    // The clipboard entries start disabled; opening the Edit menu sets them from the page.
    for (Command *clipboard : {add(CommandIds::Cut, "Cu&t", QKeySequence(Qt::CTRL | Qt::Key_X), &PageCommands::Cut1Click),
                               add(CommandIds::Copy, "&Copy", QKeySequence(Qt::CTRL | Qt::Key_C), &PageCommands::Copy1Click),
                               add(CommandIds::Paste, "&Paste", QKeySequence(Qt::CTRL | Qt::Key_V), &PageCommands::Paste1Click)}) {
        if (clipboard)
            clipboard->setEnabled(false);
    }
    add(CommandIds::SelectAll, "Select &All", QKeySequence(Qt::CTRL | Qt::Key_A), &PageCommands::SelectAll1Click);
    add(CommandIds::Find, "&Find", QKeySequence(Qt::CTRL | Qt::Key_F), &PageCommands::Find1Click);
    add(CommandIds::ViewSource, "Sour&ce", QKeySequence(Qt::Key_F2), &PageCommands::Source1Click);
    add(CommandIds::InternetOptions, "&Internet Options...", {}, &PageCommands::InternetOptions1Click);
    add(CommandIds::MyComputer, "&My Computer", {}, &PageCommands::MyComputer1Click);
    add(CommandIds::Desktop, "&Desktop", {}, &PageCommands::Desktop1Click);
    add(CommandIds::StartMenu, "&Start Menu", {}, &PageCommands::StartMenu1Click);
    add(CommandIds::BrowseForFolder, "B&rowse For Folder...", {}, &PageCommands::BrowseForFolder1Click);
}

void PageCommands::Open1Click()
{
    TKestrelWB *browser = m_page.activeBrowser();
    if (!browser)
        return;
    const std::optional<QString> path = m_prompter.openFile(QStringLiteral("Open"), OpenFilter);
    if (path && !path->isEmpty())
        browser->Navigate(QUrl::fromLocalFile(*path).toString());
}

void PageCommands::SaveAs1Click()
{
    execCommandTarget(CommandTarget::Group::Standard, CommandTarget::SaveAs, CommandTarget::PromptUser);
}

void PageCommands::ViewWebPageAsText1Click()
{
    const PageAsText::Result shown = m_pageAsText.show(m_page.activeDocument().get());
    if (!shown.path.isEmpty() && !shown.opened)
        m_prompter.message(PageAsText::noViewerMessage(shown.path));
}

void PageCommands::Properties1Click()
{
    execCommandTarget(CommandTarget::Group::Standard, CommandTarget::Properties, CommandTarget::DoDefault);
}

void PageCommands::PageSetup1Click()
{
    execCommandTarget(CommandTarget::Group::Standard, CommandTarget::PageSetup, CommandTarget::DoDefault);
}

void PageCommands::Print1Click()
{
    execCommandTarget(CommandTarget::Group::Standard, CommandTarget::Print, CommandTarget::PromptUser);
}

void PageCommands::Cut1Click() { execOnDocument(QStringLiteral("CUT")); }
void PageCommands::Copy1Click() { execOnDocument(QStringLiteral("COPY")); }
void PageCommands::Paste1Click() { execOnDocument(QStringLiteral("PASTE")); }

void PageCommands::SelectAll1Click()
{
    const std::shared_ptr<PageDocument> document = m_page.activeDocument();
    const QString selectAll = QStringLiteral("SelectAll");
    if (document && document->queryCommandEnabled(selectAll))
        document->execCommand(selectAll);
}

void PageCommands::Find1Click()
{
    execCommandTarget(CommandTarget::Group::WebBrowser, CommandTarget::Find, CommandTarget::DoDefault);
}

void PageCommands::Source1Click()
{
    // The source opens as a page of its own in a new tab.
    TKestrelWB *browser = m_page.activeBrowser();
    if (!browser)
        return;
    const QString address = browser->LocationURL();
    if (!address.isEmpty())
        m_page.addBrowserTab(QStringLiteral("view-source:") + address);
}

void PageCommands::InternetOptions1Click()
{
    execCommandTarget(CommandTarget::Group::WebBrowser, CommandTarget::InternetOptions, CommandTarget::DoDefault);
}

void PageCommands::MyComputer1Click() { navigateToFolder(ShellFolders::myComputer()); }
void PageCommands::Desktop1Click() { navigateToFolder(ShellFolders::desktop()); }
void PageCommands::StartMenu1Click() { navigateToFolder(ShellFolders::startMenu()); }

void PageCommands::BrowseForFolder1Click()
{
    if (!m_page.activeBrowser())
        return;
    const std::optional<QString> folder = m_prompter.folder(QStringLiteral("Browse For Folder"));
    if (folder && !folder->isEmpty())
        navigateToFolder(*folder);
}

void PageCommands::PopupMenuEditPopup()
{
    struct Entry
    {
        const char *command;
        const QString &id;
    };
    const Entry entries[] = {{"CUT", CommandIds::Cut}, {"COPY", CommandIds::Copy},
                             {"PASTE", CommandIds::Paste}, {"SELECTALL", CommandIds::SelectAll}};
    const std::shared_ptr<PageDocument> document = m_page.activeDocument();
    for (const Entry &entry : entries) {
        Command *command = m_commands.find(entry.id);
        if (!command)
            continue;
        const QString name = QLatin1String(entry.command);
        if (!document)
            command->setEnabled(false);
        else if (document->queryCommandSupported(name))
            command->setEnabled(document->queryCommandEnabled(name));
    }
}

void PageCommands::execOnDocument(const QString &command)
{
    if (const std::shared_ptr<PageDocument> document = m_page.activeDocument())
        document->execCommand(command);
}

void PageCommands::execCommandTarget(CommandTarget::Group group, int id, int option)
{
    if (TKestrelWB *browser = m_page.activeBrowser())
        browser->ExecCommandTarget(group, id, option, m_prompter);
}

void PageCommands::navigateToFolder(const QString &path)
{
    TKestrelWB *browser = m_page.activeBrowser();
    if (browser && !path.isEmpty())
        browser->Navigate2(QUrl::fromLocalFile(path).toString());
}
