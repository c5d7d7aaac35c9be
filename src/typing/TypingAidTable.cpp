#include "typing/TypingAidTable.h"

#include "typing/NameValueLine.h"
#include "typing/TypingAidFiles.h"

#include <algorithm>

namespace {
// Folds every code point alone, as QString::compare(..., Qt::CaseInsensitive) does, so that
// two names compare equal there exactly when their keys are equal.
QString foldedKey(QStringView text)
{
    QString key;
    key.reserve(text.size());
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        char32_t code = text[i].unicode();
        if (QChar::isHighSurrogate(code) && i + 1 < size && text[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        code = QChar::toCaseFolded(code);
        if (QChar::requiresSurrogates(code)) {
            key += QChar(QChar::highSurrogate(code));
            key += QChar(QChar::lowSurrogate(code));
        } else {
            key += QChar(char16_t(code));
        }
    }
    return key;
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
                m_index.push_back({foldedKey(name), line});
        }
    }
    // By name, then by line: the first entry of a run of equal names is the first in the table.
    std::sort(m_index.begin(), m_index.end(), [](const IndexEntry &a, const IndexEntry &b) {
        const int order = QString::compare(a.key, b.key, Qt::CaseSensitive);
        return order != 0 ? order < 0 : a.line < b.line;
    });
}

bool TypingAidTable::hasSection(Section section) const
{
    return m_sections[static_cast<int>(section)].present;
}

const QStringList &TypingAidTable::sectionLines(Section section) const
{
    return m_sections[static_cast<int>(section)].lines;
}

std::optional<int> TypingAidTable::firstLineNamed(const QString &name, int fromLine) const
{
    if (name.isEmpty())
        return std::nullopt;
    const QString key = foldedKey(name);
    const auto found = std::lower_bound(m_index.begin(), m_index.end(), std::pair(&key, fromLine),
                                        [](const IndexEntry &entry, const std::pair<const QString *, int> &wanted) {
                                            const int order = QString::compare(entry.key, *wanted.first, Qt::CaseSensitive);
                                            return order != 0 ? order < 0 : entry.line < wanted.second;
                                        });
    if (found == m_index.end() || found->key != key)
        return std::nullopt;
    return found->line;
}

std::optional<QString> TypingAidTable::valueOf(const QString &name) const
{
    const std::optional<int> line = firstLineNamed(name, 0);
    if (!line)
        return std::nullopt;
    return NameValueLine::split(m_lines.at(*line)).value;
}

std::optional<QString> TypingAidTable::valueOf(const QString &name, Section section) const
{
    const SectionRange &range = m_sections[static_cast<int>(section)];
    if (!range.present)
        return std::nullopt;
    const std::optional<int> line = firstLineNamed(name, range.begin);
    if (!line || *line >= range.end)
        return std::nullopt;
    return NameValueLine::split(m_lines.at(*line)).value;
}
