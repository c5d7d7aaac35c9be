#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class Prompter;

// One list tab of the Auto Complete Setup window without its widgets: the entries, the texts of
// the entry boxes, the state of the "&Add", "&Remove" and "&Update" buttons and the selection,
// with the rules that tie them together. The completion list has one entry box and plain
// entries; the other lists have a name box and a value box.
class AidListEditor
{
public:
    enum class Kind { Completion, QuickCorrect, QuickLinks, QuickInsert, QuickWords };

    struct Entry
    {
        QString caption; // the name; Quick Insert: "Ctrl + Shift + " and the shortcut
        QString value;
        QString shortcut; // Quick Insert only
    };

    static inline const QString InsertCaptionPrefix = QStringLiteral("Ctrl + Shift + ");

    AidListEditor(Kind kind, Prompter &prompter);

    Kind kind() const { return m_kind; }
    bool hasValue() const { return m_kind != Kind::Completion; }

    // Fills the list from the lines of its file: every line of the completion list; the lines
    // of the other lists that have a name, sorted without regard to case.
    void load(const QStringList &fileLines);
    // The lines of the file: the completion list in list order, the others sorted.
    QStringList fileLines() const;

    const std::vector<Entry> &entries() const { return m_entries; }
    int selectedRow() const { return m_selected; }

    const QString &nameText() const { return m_name; }
    const QString &valueText() const { return m_value; }
    bool addEnabled() const { return m_addEnabled; }
    bool removeEnabled() const { return m_removeEnabled; }
    bool updateEnabled() const { return m_updateEnabled; }

    // The user changed the text of an entry box.
    void editName(const QString &text);
    void editValue(const QString &text);
    // The user selected an entry (-1: none): it is copied into the entry boxes.
    void select(int row);

    // The row of the entry added, or nothing when none was.
    std::optional<int> add();
    void remove();
    void update();

private:
    void edited();
    bool passesThreshold(const QString &name, const QString &value) const;
    int findCaption(const QString &caption) const;
    // Puts the entry at its sorted place, after the entries that sort equal to it.
    int insertSorted(Entry entry);
    void finishChange();

    Kind m_kind;
    Prompter &m_prompter;
    std::vector<Entry> m_entries;
    int m_selected = -1;
    QString m_name;
    QString m_value;
    bool m_addEnabled = false;
    bool m_removeEnabled = false;
    bool m_updateEnabled = false;
};
