#include "typing/TypingAidTable.h"

#include "typing/CaseFold.h"
#include "typing/NameValueLine.h"
#include "typing/TypingAidFiles.h"

#include <algorithm>

namespace {
// Names that compare equal without regard to case hash equal.
size_t nameHash(QStringView name)
{
    return qHash(caseFolded(name));
}

struct ListFile
{
    TypingAidTable::Section section;
    const QString &fileName;
};
}

TypingAidTable::TypingAidTable(QString dataFolder) : m_dataFolder(std::move(dataFolder)) {}

QString TypingAidTable::header(Section section)
{
    switch (section) {
    case Section::TextBoxAutoComplete:
        return QStringLiteral("[Text Box Auto Complete]");
    case Section::QuickLinks:
        return QStringLiteral("[Quick Links]");
    case Section::QuickCorrect:
        return QStringLiteral("[Quick Correct]");
    case Section::QuickInsert:
        return QStringLiteral("[Quick Insert]");
    case Section::QuickWords:
        return QStringLiteral("[Quick Words]");
    case Section::PersonalInfo:
        break;
    }
    return QStringLiteral("[Personal Info]");
}

std::optional<TypingAidTable::Section> TypingAidTable::sectionNamed(const QString &header)
{
    for (int section = 0; section < SectionCount; ++section) {
        if (header == TypingAidTable::header(static_cast<Section>(section)))
            return static_cast<Section>(section);
    }
    return std::nullopt;
}

void TypingAidTable::LoadTypingAids()
{
    m_lines.clear();
    m_sections = {};
    const ListFile listFiles[] = {
        {Section::TextBoxAutoComplete, TypingAidFiles::Completion},
        {Section::QuickLinks, TypingAidFiles::QuickLinks},
        {Section::QuickCorrect, TypingAidFiles::QuickCorrect},
        {Section::QuickInsert, TypingAidFiles::QuickInsert},
        {Section::QuickWords, TypingAidFiles::QuickWords},
    };
    for (const ListFile &file : listFiles) {
        if (TypingAidFiles::exists(m_dataFolder, file.fileName))
            appendSection(file.section, TypingAidFiles::read(m_dataFolder, file.fileName).value_or(QStringList()));
    }
    if (TypingAidFiles::exists(m_dataFolder, TypingAidFiles::PersonalInfo))
        appendSection(Section::PersonalInfo, {});
    buildIndex();
}

void TypingAidTable::appendSection(Section section, const QStringList &lines)
{
    SectionRange &range = m_sections[static_cast<int>(section)];
    m_lines.append(header(section));
    range.present = true;
    range.begin = static_cast<int>(m_lines.size());
    m_lines.append(lines);
    range.end = static_cast<int>(m_lines.size());
    range.lines = lines;
}

void TypingAidTable::buildIndex()
{
    m_index.clear();
    for (const SectionRange &range : m_sections) {
        for (int line = range.begin; line < range.end; ++line) {
            const QStringView name = NameValueLine::nameOf(m_lines.at(line));
            if (!name.isEmpty())
                m_index.push_back({nameHash(name), line});
        }
    }
    // By name hash, then by line: within a run of equal hashes the table order is kept.
    std::sort(m_index.begin(), m_index.end());
}

bool TypingAidTable::hasSection(Section section) const
{
    return m_sections[static_cast<int>(section)].present;
}

const QStringList &TypingAidTable::sectionLines(Section section) const
{
    return m_sections[static_cast<int>(section)].lines;
}

std::optional<int> TypingAidTable::firstLineNamed(const QString &name, int fromLine, int toLine) const
{
    if (name.isEmpty())
        return std::nullopt;
    const size_t hash = nameHash(name);
    // Lines of other names may share the hash: each candidate is checked by its name.
    for (auto entry = std::lower_bound(m_index.begin(), m_index.end(), IndexEntry{hash, fromLine});
         entry != m_index.end() && entry->nameHash == hash && entry->line < toLine; ++entry) {
        if (NameValueLine::nameOf(m_lines.at(entry->line)).compare(name, Qt::CaseInsensitive) == 0)
            return entry->line;
    }
    return std::nullopt;
}

std::optional<QString> TypingAidTable::valueOf(const QString &name) const
{
    const std::optional<int> line = firstLineNamed(name, 0, static_cast<int>(m_lines.size()));
    if (!line)
        return std::nullopt;
    return NameValueLine::split(m_lines.at(*line)).value;
}

std::optional<QString> TypingAidTable::valueOf(const QString &name, Section section) const
{
    const SectionRange &range = m_sections[static_cast<int>(section)];
    if (!range.present)
        return std::nullopt;
    const std::optional<int> line = firstLineNamed(name, range.begin, range.end);
    if (!line)
        return std::nullopt;
    return NameValueLine::split(m_lines.at(*line)).value;
}
