#include "typing/AidListEditor.h"

#include "typing/NameValueLine.h"
#include "typing/OneLine.h"
#include "typing/TypingAidFiles.h"
#include "ui/Prompter.h"

#include <algorithm>

namespace {
bool captionLess(const AidListEditor::Entry &a, const AidListEditor::Entry &b)
{
    return QString::compare(a.caption, b.caption, Qt::CaseInsensitive) < 0;
}
}

AidListEditor::AidListEditor(Kind kind, Prompter &prompter) : m_kind(kind), m_prompter(prompter) {}

void AidListEditor::load(const QStringList &fileLines)
{
    m_entries.clear();
    m_selected = -1;
    QStringList lines = fileLines;
    TypingAidFiles::sortCaseInsensitive(lines);
    m_entries.reserve(lines.size());
    for (const QString &line : lines) {
        if (m_kind == Kind::Completion) {
            // A blank line completes nothing.
            if (!line.trimmed().isEmpty())
                m_entries.push_back({line, {}, {}});
            continue;
        }
        NameValueLine split = NameValueLine::split(line);
        if (split.name.isEmpty())
            continue;
        if (m_kind == Kind::QuickInsert)
            m_entries.push_back({InsertCaptionPrefix + split.name, split.value, split.name});
        else
            m_entries.push_back({split.name, split.value, {}});
    }
    std::stable_sort(m_entries.begin(), m_entries.end(), captionLess);
}

QStringList AidListEditor::fileLines() const
{
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(m_entries.size()));
    for (const Entry &entry : m_entries) {
        if (m_kind == Kind::Completion)
            lines.append(entry.caption);
        else
            lines.append((m_kind == Kind::QuickInsert ? entry.shortcut : entry.caption) + QLatin1Char('=') + entry.value);
    }
    if (m_kind != Kind::Completion)
        TypingAidFiles::sortCaseInsensitive(lines);
    return lines;
}

void AidListEditor::editName(const QString &text)
{
    m_name = text;
    edited();
}

void AidListEditor::editValue(const QString &text)
{
    m_value = text;
    edited();
}

void AidListEditor::edited()
{
    if (!m_addEnabled && passesThreshold(m_name.trimmed(), m_value.trimmed()))
        m_addEnabled = true;
    // Editing a selected entry turns it into an update.
    if (m_removeEnabled) {
        m_updateEnabled = true;
        m_removeEnabled = false;
    }
}

bool AidListEditor::passesThreshold(const QString &name, const QString &value) const
{
    switch (m_kind) {
    case Kind::Completion:
        return name.size() > 2;
    case Kind::QuickLinks:
        return name.size() > 2 && value.size() > 8;
    case Kind::QuickCorrect:
        return name.size() > 2 && !value.isEmpty();
    case Kind::QuickInsert:
        return name.size() == 1 && !value.isEmpty();
    case Kind::QuickWords:
        break;
    }
    return name.size() > 1 && !value.isEmpty();
}

void AidListEditor::select(int row)
{
    if (row < 0 || row >= static_cast<int>(m_entries.size())) {
        m_selected = -1;
        return;
    }
    m_selected = row;
    const Entry &entry = m_entries[row];
    m_name = m_kind == Kind::QuickInsert ? entry.shortcut : entry.caption;
    m_value = entry.value;
    m_removeEnabled = true;
}

int AidListEditor::findCaption(const QString &caption) const
{
    for (size_t row = 0; row < m_entries.size(); ++row) {
        if (QString::compare(m_entries[row].caption, caption, Qt::CaseInsensitive) == 0)
            return static_cast<int>(row);
    }
    return -1;
}

int AidListEditor::insertSorted(Entry entry)
{
    const auto place = std::upper_bound(m_entries.begin(), m_entries.end(), entry, captionLess);
    return static_cast<int>(m_entries.insert(place, std::move(entry)) - m_entries.begin());
}

void AidListEditor::finishChange()
{
    m_name.clear();
    m_value.clear();
    m_selected = -1;
    m_addEnabled = false;
    m_removeEnabled = false;
    m_updateEnabled = false;
}

std::optional<int> AidListEditor::add()
{
    m_name = oneLine(m_name).trimmed();
    m_value = oneLine(m_value).trimmed();
    // The button stays enabled while the texts change; what is added must still qualify.
    if (!passesThreshold(m_name, m_value))
        return std::nullopt;

    Entry entry;
    if (m_kind == Kind::Completion) {
        if (findCaption(m_name) >= 0)
            return std::nullopt;
        entry.caption = m_name;
    } else {
        QString name = m_name;
        if (m_kind == Kind::QuickLinks && !name.startsWith(QLatin1Char('@')))
            name.prepend(QLatin1Char('@'));
        if (m_kind == Kind::QuickWords && !name.startsWith(QLatin1Char('\\')))
            name.prepend(QLatin1Char('\\'));
        entry.caption = m_kind == Kind::QuickInsert ? InsertCaptionPrefix + name : name;
        entry.value = m_value;
        if (m_kind == Kind::QuickInsert)
            entry.shortcut = name;
        if (findCaption(entry.caption) >= 0) {
            if (m_kind == Kind::QuickInsert)
                m_prompter.message(QStringLiteral("That shortcut already exists.  Please use update."));
            return std::nullopt;
        }
    }
    const int row = insertSorted(std::move(entry));
    finishChange();
    return row;
}

void AidListEditor::remove()
{
    int row = m_selected;
    if (m_kind != Kind::Completion) {
        const QString name = m_name.trimmed();
        row = findCaption(m_kind == Kind::QuickInsert ? InsertCaptionPrefix + name : name);
    }
    if (row < 0)
        return;
    m_entries.erase(m_entries.begin() + row);
    finishChange();
}

void AidListEditor::update()
{
    if (m_selected < 0)
        return;
    Entry entry = m_entries[m_selected];
    if (m_kind == Kind::Completion) {
        // The completion entry takes the text as typed.
        if (m_name.trimmed().size() <= 2)
            return;
        entry.caption = oneLine(m_name);
    } else {
        const QString name = oneLine(m_name).trimmed();
        entry.caption = m_kind == Kind::QuickInsert ? InsertCaptionPrefix + name : name;
        entry.value = oneLine(m_value).trimmed();
        if (m_kind == Kind::QuickInsert)
            entry.shortcut = name;
    }
    m_entries.erase(m_entries.begin() + m_selected);
    insertSorted(std::move(entry));
    finishChange();
}
