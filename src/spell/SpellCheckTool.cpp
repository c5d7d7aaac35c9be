#include "spell/SpellCheckTool.h"

#include "ui/CommandIds.h"
#include "ui/CommandRegistry.h"

const QString SpellCheckTool::DictionariesPage = QStringLiteral("qrc:/pages/dictionaries.html");

SpellCheckTool::SpellCheckTool(Services services)
    : m_checker(services.dataFolder, services.prompter, services.dialogParent, services.dictionaryFolders),
      m_pageCheck(m_checker, services.prompter, services.dataFolder, std::move(services.activeDocument),
                  std::move(services.reloadTypingAids))
{
    CommandRegistry &commands = services.commands;
    commands.add(CommandIds::SpellCheck, QStringLiteral("&Spell Check"),
                 QStringLiteral("Spell check the text box that has the cursor"), QKeySequence(Qt::CTRL | Qt::Key_F1),
                 [this] { m_pageCheck.SpellCheck(); });
    commands.add(CommandIds::SpellCheckerOptions, QStringLiteral("Spell Checker Options"), QString(), {},
                 [this] { m_checker.showOptions(); });
    commands.add(CommandIds::DownloadDictionaries, QStringLiteral("Download Dictionaries"),
                 QStringLiteral("How to install more spelling dictionaries"), {},
                 [addBrowserTab = std::move(services.addBrowserTab)] {
                     if (addBrowserTab)
                         addBrowserTab(DictionariesPage);
                 });
}
