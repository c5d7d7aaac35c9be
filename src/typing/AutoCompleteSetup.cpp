#include "typing/AutoCompleteSetup.h"

#include "typing/TypingAidFiles.h"
#include "ui/Prompter.h"

namespace {
using Kind = AidListEditor::Kind;

// The list files in the order they are written.
struct ListFile
{
    Kind kind;
    const QString &fileName;
};
const ListFile listFiles[] = {
    {Kind::Completion, TypingAidFiles::Completion},   {Kind::QuickLinks, TypingAidFiles::QuickLinks},
    {Kind::QuickCorrect, TypingAidFiles::QuickCorrect}, {Kind::QuickInsert, TypingAidFiles::QuickInsert},
    {Kind::QuickWords, TypingAidFiles::QuickWords},
};
}

AutoCompleteSetup::AutoCompleteSetup(QString dataFolder, SettingsStore &settings, Prompter &prompter)
    : m_dataFolder(std::move(dataFolder)), m_settings(settings), m_prompter(prompter),
      m_lists{AidListEditor(Kind::Completion, prompter), AidListEditor(Kind::QuickCorrect, prompter),
              AidListEditor(Kind::QuickLinks, prompter), AidListEditor(Kind::QuickInsert, prompter),
              AidListEditor(Kind::QuickWords, prompter)},
      m_personalInfo(prompter)
{
}

AidListEditor &AutoCompleteSetup::list(Kind kind)
{
    return m_lists[static_cast<size_t>(kind)];
}

void AutoCompleteSetup::load()
{
    m_unreadable.clear();
    const auto read = [this](const QString &fileName) {
        std::optional<QStringList> lines = TypingAidFiles::read(m_dataFolder, fileName);
        if (!lines && TypingAidFiles::exists(m_dataFolder, fileName))
            m_unreadable.append(fileName);
        return lines;
    };
    for (const ListFile &file : listFiles) {
        if (const std::optional<QStringList> lines = read(file.fileName))
            list(file.kind).load(*lines);
    }
    if (const std::optional<QStringList> lines = read(TypingAidFiles::PersonalInfo))
        m_personalInfo.load(PersonalInfoLists::fromFileLines(*lines));
    m_switches = TypingAidSwitches::read(m_settings);
    for (const QString &fileName : std::as_const(m_unreadable)) {
        m_prompter.message(QStringLiteral("The file \"") + TypingAidFiles::path(m_dataFolder, fileName) +
                           QStringLiteral("\" exists but could not be read. Its list is shown empty and will not "
                                          "be saved, so nothing in the file is lost."));
    }
}

bool AutoCompleteSetup::save()
{
    m_personalInfo.select(-1);
    const auto write = [this](const QString &fileName, const QStringList &lines) {
        if (m_unreadable.contains(fileName) || TypingAidFiles::write(m_dataFolder, fileName, lines))
            return true;
        m_prompter.message(QStringLiteral("The file \"") + TypingAidFiles::path(m_dataFolder, fileName) +
                           QStringLiteral("\" could not be written. The lists from this file on and the "
                                          "settings were not saved; make sure the folder can be written to "
                                          "and press OK again."));
        return false;
    };
    for (const ListFile &file : listFiles) {
        if (!write(file.fileName, list(file.kind).fileLines()))
            return false;
    }
    if (!write(TypingAidFiles::PersonalInfo, m_personalInfo.lists().fileLines()))
        return false;
    m_switches.write(m_settings);
    return true;
}
