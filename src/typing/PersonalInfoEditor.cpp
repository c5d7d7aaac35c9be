#include "typing/PersonalInfoEditor.h"

#include "typing/NameValueLine.h"
#include "typing/OneLine.h"
#include "ui/Prompter.h"

#include <QStringList>

namespace {
bool sameText(const QString &a, QStringView b)
{
    return QStringView(a).compare(b, Qt::CaseInsensitive) == 0;
}

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}
}

PersonalInfoEditor::PersonalInfoEditor(Prompter &prompter) : m_prompter(prompter) {}

void PersonalInfoEditor::load(const PersonalInfoLists &lists)
{
    m_entries.clear();
    m_selected = -1;
    m_value.clear();
    m_appliesTo.clear();
    m_edited = false;
    m_valueLines = lists.values;
    m_appliesToLines = lists.appliesTo;
    for (const QString &title : lists.titles)
        m_entries.push_back({title, {}});
    for (const QString &line : m_valueLines) {
        const NameValueLine split = NameValueLine::split(line);
        for (Entry &entry : m_entries) {
            if (sameText(entry.title, split.name))
                entry.shownValue = split.value;
        }
    }
}

PersonalInfoLists PersonalInfoEditor::lists() const
{
    PersonalInfoLists lists;
    for (const Entry &entry : m_entries)
        lists.titles.append(entry.title);
    lists.values = m_valueLines;
    lists.appliesTo = m_appliesToLines;
    return lists;
}

void PersonalInfoEditor::editValue(const QString &text)
{
    m_value = text;
    m_edited = true;
}

void PersonalInfoEditor::editAppliesTo(const QString &text)
{
    m_appliesTo = text;
    m_edited = true;
}

bool PersonalInfoEditor::fitsInLine(const QString &text)
{
    return !text.startsWith(QLatin1Char('[')) && !text.contains(QLatin1Char('=')) &&
           !text.contains(PersonalInfoLists::TitleSeparator) && !text.contains(QLatin1Char('\r')) &&
           !text.contains(QLatin1Char('\n'));
}

std::optional<int> PersonalInfoEditor::add()
{
    const std::optional<QString> answer = m_prompter.input(
        QStringLiteral("New Form Data"), QStringLiteral("Enter the title of the new form data item"), QString());
    if (!answer || answer->isEmpty())
        return std::nullopt;
    const QString &title = *answer;
    for (const Entry &entry : m_entries) {
        if (sameText(entry.title, title)) {
            m_prompter.message(QStringLiteral("An item with the title ") + quoted(title) + QStringLiteral(" already exists."));
            return std::nullopt;
        }
    }
    if (!fitsInLine(title)) {
        m_prompter.message(QStringLiteral("The title ") + quoted(title) +
                           QStringLiteral(" cannot be used: a title may not begin with \"[\" or contain \"=\" or \"{~}\"."));
        return std::nullopt;
    }
    m_entries.push_back({title, {}});
    return static_cast<int>(m_entries.size()) - 1;
}

int PersonalInfoEditor::valueLineOf(const QString &title) const
{
    for (qsizetype i = 0; i < m_valueLines.size(); ++i) {
        if (sameText(title, NameValueLine::nameOf(m_valueLines.at(i))))
            return static_cast<int>(i);
    }
    return -1;
}

std::optional<QString> PersonalInfoEditor::ownerOfField(const QString &fieldName) const
{
    for (const QString &line : m_appliesToLines) {
        if (sameText(fieldName, NameValueLine::nameOf(line)))
            return PersonalInfoLists::titleOfAppliesTo(line);
    }
    return std::nullopt;
}

void PersonalInfoEditor::removeAppliesToOf(const QString &title)
{
    m_appliesToLines.removeIf([&](const QString &line) { return PersonalInfoLists::titleOfAppliesTo(line) == title; });
}

void PersonalInfoEditor::select(int row)
{
    if (row < 0 || row >= static_cast<int>(m_entries.size()))
        row = -1;
    if (row == m_selected)
        return;
    if (m_selected >= 0 && m_edited)
        commit();
    m_selected = row;
    m_edited = false;
    m_value.clear();
    m_appliesTo.clear();
    if (row < 0)
        return;
    const QString &title = m_entries[row].title;
    const int valueLine = valueLineOf(title);
    if (valueLine >= 0)
        m_value = NameValueLine::split(m_valueLines.at(valueLine)).value;
    QStringList fieldNames;
    for (const QString &line : m_appliesToLines) {
        if (PersonalInfoLists::titleOfAppliesTo(line) == title)
            fieldNames.append(NameValueLine::split(line).name);
    }
    m_appliesTo = fieldNames.join(QLatin1Char('\n'));
}

void PersonalInfoEditor::commit()
{
    Entry &entry = m_entries[m_selected];
    const QString value = oneLine(m_value);
    const QString valueLine = entry.title + QLatin1Char('=') + value;
    const int existing = valueLineOf(entry.title);
    if (existing >= 0)
        m_valueLines[existing] = valueLine;
    else
        m_valueLines.append(valueLine);
    entry.shownValue = value;

    removeAppliesToOf(entry.title);
    // Field names are kept as typed; a name listed twice in the box is taken by this entry at
    // its first line, and said so at the second like any other name in use.
    for (const QString &fieldName : m_appliesTo.split(QLatin1Char('\n'))) {
        if (fieldName.trimmed().isEmpty())
            continue;
        if (const std::optional<QString> owner = ownerOfField(fieldName)) {
            m_prompter.message(QStringLiteral("Cannot add ") + quoted(fieldName) +
                               QStringLiteral(" because that name is being used by ") + quoted(*owner) +
                               QLatin1Char('.'));
            continue;
        }
        if (!fitsInLine(fieldName)) {
            m_prompter.message(QStringLiteral("Cannot add ") + quoted(fieldName) +
                               QStringLiteral(": a field name may not begin with \"[\" or contain \"=\" or \"{~}\"."));
            continue;
        }
        m_appliesToLines.append(PersonalInfoLists::appliesToLine(fieldName, value, entry.title));
    }
    m_edited = false;
}

void PersonalInfoEditor::remove()
{
    if (m_selected < 0)
        return;
    const QString title = m_entries[m_selected].title;
    const Prompter::Answer answer = m_prompter.question(
        QStringLiteral("Are you sure you want to remove ") + quoted(title) + QStringLiteral(" from the list?"));
    if (answer != Prompter::Answer::Yes)
        return;
    m_entries.erase(m_entries.begin() + m_selected);
    const int valueLine = valueLineOf(title);
    if (valueLine >= 0)
        m_valueLines.removeAt(valueLine);
    // Field names left behind would stay taken by an entry that no longer exists.
    removeAppliesToOf(title);
    m_selected = -1;
    m_edited = false;
    m_value.clear();
    m_appliesTo.clear();
}
