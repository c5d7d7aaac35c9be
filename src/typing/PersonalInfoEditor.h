#pragma once

#include "typing/PersonalInfoLists.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class Prompter;

// The Personal Info tab of the Auto Complete Setup window without its widgets: the entries with
// their shown values, the values and applies-to lists that are saved, the selection, the texts
// of the value and applies-to boxes and the edited mark. An edit of the selected entry is
// committed when the selection leaves it.
class PersonalInfoEditor
{
public:
    struct Entry
    {
        QString title;
        QString shownValue;
    };

    explicit PersonalInfoEditor(Prompter &prompter);

    void load(const PersonalInfoLists &lists);
    PersonalInfoLists lists() const;

    const std::vector<Entry> &entries() const { return m_entries; }
    int selectedRow() const { return m_selected; }
    const QString &valueText() const { return m_value; }
    // One field name per line.
    const QString &appliesToText() const { return m_appliesTo; }
    bool edited() const { return m_edited; }

    // The user changed the value or applies-to box: sets the edited mark.
    void editValue(const QString &text);
    void editAppliesTo(const QString &text);

    // Asks for the title of a new entry and appends it; the row added, or nothing.
    std::optional<int> add();
    // Moves the selection (-1: none), committing a pending edit of the entry left.
    void select(int row);
    // Asks, then removes the selected entry with its values and applies-to lines.
    void remove();

private:
    void commit();
    // Titles and field names end up at the start of a line or before "=" or "{~}": these
    // characters would split or end the line where they do not belong.
    static bool fitsInLine(const QString &text);
    int valueLineOf(const QString &title) const;
    // The title of the entry a field name belongs to, or nothing when it is free.
    std::optional<QString> ownerOfField(const QString &fieldName) const;
    void removeAppliesToOf(const QString &title);

    Prompter &m_prompter;
    std::vector<Entry> m_entries;
    QStringList m_valueLines;
    QStringList m_appliesToLines;
    int m_selected = -1;
    QString m_value;
    QString m_appliesTo;
    bool m_edited = false;
};
