#pragma once

#include "spell/PageSpellCheck.h"
#include "support/SpellChecker.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class CommandRegistry;
class PageDocument;
class Prompter;
class QWidget;

// Spell checking as the main window holds it: the spell checker, the check of page fields and
// the commands "Spell Check", "Spell Checker Options" and "Download Dictionaries".
class SpellCheckTool
{
public:
    struct Services
    {
        CommandRegistry &commands;
        Prompter &prompter;
        QString dataFolder;
        // The parent of the check and options dialogs.
        QWidget *dialogParent = nullptr;
        PageSpellCheck::ActiveDocument activeDocument;
        // Opens an address in a new, active tab.
        std::function<void(const QString &)> addBrowserTab;
        // Rebuilds the typing-aid table.
        std::function<void()> reloadTypingAids;
        // Where the Hunspell dictionaries are installed.
        QStringList dictionaryFolders;
    };

    // The page that tells how to install more dictionaries.
    static const QString DictionariesPage;

    explicit SpellCheckTool(Services services);

    // At the main window's creation: SPELLDICT.CFG, written first when it is missing.
    void readConfiguration() { m_checker.readConfiguration(); }
    SpellChecker &checker() { return m_checker; }

private:
    SpellChecker m_checker;
    PageSpellCheck m_pageCheck;
};
