#pragma once

#include "browser/CommandTarget.h"

#include <QString>
#include <functional>
#include <memory>

class CommandRegistry;
class PageAsText;
class PageDocument;
class Prompter;
class TKestrelWB;

// The main window's commands on the page of the active browser: File (open, save as, page as
// text, properties, page setup, print), Edit (the clipboard commands, select all, find), View
// (source, Internet options) and Go (the shell folders and a chosen folder). Every command
// does nothing without an active browser or document; failures inside the page do less or
// nothing.
class PageCommands
{
public:
    struct Page
    {
        // The active browser, or null.
        std::function<TKestrelWB *()> activeBrowser;
        // The focused document of the active browser; null without one.
        std::function<std::shared_ptr<PageDocument>()> activeDocument;
        // Opens an address in a new, active tab.
        std::function<void(const QString &address)> addBrowserTab;
    };

    // Registers the commands with their captions and keys.
    PageCommands(CommandRegistry &commands, Prompter &prompter, Page page, PageAsText &pageAsText);

    // The file filter of "&Open".
    static const QString OpenFilter;

    void Open1Click();
    void SaveAs1Click();
    void ViewWebPageAsText1Click();
    void Properties1Click();
    void PageSetup1Click();
    void Print1Click();
    void Cut1Click();
    void Copy1Click();
    void Paste1Click();
    void SelectAll1Click();
    void Find1Click();
    void Source1Click();
    void InternetOptions1Click();
    void MyComputer1Click();
    void Desktop1Click();
    void StartMenu1Click();
    void BrowseForFolder1Click();

    // On opening the Edit menu: each clipboard entry and "Select &All" follows whether the
    // focused document can run it now; a command the document does not support keeps its state.
    void PopupMenuEditPopup();

private:
    void registerCommands();
    void execOnDocument(const QString &command);
    void execCommandTarget(CommandTarget::Group group, int id, int option);
    void navigateToFolder(const QString &path);

    CommandRegistry &m_commands;
    Prompter &m_prompter;
    Page m_page;
    PageAsText &m_pageAsText;
};
