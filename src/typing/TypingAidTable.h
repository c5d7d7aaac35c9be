#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

// The main window's in-memory table of every typing-aid entry: up to six sections in a fixed
// order, each a header line followed by the lines of its file exactly as stored. The address
// bar and the in-page aids look names up here on every key, so the table keeps an index of its
// name=value lines that answers "the first match in table order" without a scan.
class TypingAidTable
{
public:
    enum class Section { TextBoxAutoComplete, QuickLinks, QuickCorrect, QuickInsert, QuickWords, PersonalInfo };
    static constexpr int SectionCount = 6;

    explicit TypingAidTable(QString dataFolder);

    // Rebuilds the table from the files of the data folder; a missing file leaves its section
    // out, header included. The personal data is not copied: its section is the header alone.
    void LoadTypingAids();

    const QString &dataFolder() const { return m_dataFolder; }

    static QString header(Section section);
    // The section a header line names, or nothing for any other text.
    static std::optional<Section> sectionNamed(const QString &header);

    // The whole table, by line position.
    const QStringList &lines() const { return m_lines; }

    bool hasSection(Section section) const;
    // The lines of a section without its header; empty when the section is left out.
    const QStringList &sectionLines(Section section) const;

    // The value of the first line, in table order, whose name (the text before its first "=")
    // equals name without regard to letter case; nothing when no line has that name.
    std::optional<QString> valueOf(const QString &name) const;
    // The same, confined to one section.
    std::optional<QString> valueOf(const QString &name, Section section) const;

private:
    struct SectionRange
    {
        bool present = false;
        int begin = 0; // first line after the header
        int end = 0;   // one past the last line
        QStringList lines;
    };
    struct IndexEntry
    {
        QString key; // the case-folded name
        int line;
    };

    void appendSection(Section section, const QStringList &lines);
    void buildIndex();
    // The first index entry at or after line for key, or none.
    std::optional<int> firstLineNamed(const QString &name, int fromLine) const;

    QString m_dataFolder;
    QStringList m_lines;
    std::array<SectionRange, SectionCount> m_sections;
    std::vector<IndexEntry> m_index;
};
