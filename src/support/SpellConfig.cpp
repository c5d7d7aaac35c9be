#include "support/SpellConfig.h"

#include "shell/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

const QString SpellConfig::FileName = QStringLiteral("SPELLDICT.CFG");

namespace {
const QString Section = QStringLiteral("[addict]");

struct OptionKey
{
    const char *name;
    bool SpellOptions::*member;
};

const OptionKey OptionKeys[] = {
    {"soUpcase", &SpellOptions::ignoreUpperCase}, {"soNumbers", &SpellOptions::ignoreNumbers},
    {"soHTML", &SpellOptions::ignoreHtml},        {"soInternet", &SpellOptions::ignoreInternet},
    {"soRecheck", &SpellOptions::recheck},        {"soRepeated", &SpellOptions::repeated},
    {"soPrimaryOnly", &SpellOptions::primaryOnly},
};

bool isSectionLine(const QString &line)
{
    const QString trimmed = line.trimmed();
    return trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'));
}
}

QStringList SpellConfig::initialLines(const QString &dataFolder)
{
    const QString &d = dataFolder;
    return {Section,
            QStringLiteral("ID=1"),
            QStringLiteral("U_MU_DCT_ListCount=3"),
            QStringLiteral("M_DCT_ListCount=3"),
            QStringLiteral("U_DCT_ListCount=1"),
            QStringLiteral("U_DCT_0=T") + d + QStringLiteral("default.udt"),
            QStringLiteral("soUpcase=0"),
            QStringLiteral("soNumbers=0"),
            QStringLiteral("soAutoSuggest=1"),
            QStringLiteral("soPrimaryOnly=1"),
            QStringLiteral("soRecheck=1"),
            QStringLiteral("soRepeated=1"),
            QStringLiteral("soDualCaps=0"),
            QStringLiteral("soHTML=1"),
            QStringLiteral("soInternet=1"),
            QStringLiteral("soQuoted=0"),
            QStringLiteral("soUser1=0"),
            QStringLiteral("soUser2=0"),
            QStringLiteral("soUser3=0"),
            QStringLiteral("soUser4=0"),
            QStringLiteral("UserIndex=0"),
            QStringLiteral("U_MU_DCT_0=T") + d + QStringLiteral("English.dct"),
            QStringLiteral("U_MU_DCT_1=T") + d + QStringLiteral("American.dct"),
            QStringLiteral("U_MU_DCT_2=F") + d + QStringLiteral("British.dct"),
            QStringLiteral("M_DCT_0=English Dictionary (US)"),
            QStringLiteral("M_DCT_1=American English (US)"),
            QStringLiteral("M_DCT_2=British Words Addon")};
}

bool SpellConfig::writeIfMissing(const QString &dataFolder)
{
    const QString path = QDir(dataFolder).filePath(FileName);
    if (QFileInfo::exists(path))
        return false;
    QString folder = QDir(dataFolder).absolutePath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return TextFile::writeLines(path, initialLines(folder));
}

SpellConfig::SpellConfig(QString path) : m_path(std::move(path)) {}

void SpellConfig::read()
{
    m_lines = TextFile::readLines(m_path).value_or(QStringList());
}

int SpellConfig::lineOf(const QString &name) const
{
    bool inSection = false;
    for (int i = 0; i < m_lines.size(); ++i) {
        const QString &line = m_lines.at(i);
        if (isSectionLine(line)) {
            inSection = line.trimmed().compare(Section, Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (inSection && equals > 0 && QStringView(line).left(equals).trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString SpellConfig::value(const QString &name) const
{
    const int line = lineOf(name);
    return line < 0 ? QString() : m_lines.at(line).mid(m_lines.at(line).indexOf(QLatin1Char('=')) + 1);
}

bool SpellConfig::flag(const QString &name, bool fallback) const
{
    const QString text = value(name).trimmed();
    if (text == QLatin1String("1"))
        return true;
    if (text == QLatin1String("0"))
        return false;
    return fallback;
}

SpellOptions SpellConfig::options() const
{
    SpellOptions options;
    for (const OptionKey &key : OptionKeys)
        options.*key.member = flag(QLatin1String(key.name), options.*key.member);
    return options;
}

bool SpellConfig::writeOptions(const SpellOptions &options)
{
    read();
    if (lineOf(QStringLiteral("ID")) < 0 && !m_lines.contains(Section, Qt::CaseInsensitive))
        m_lines.prepend(Section);
    for (const OptionKey &key : OptionKeys) {
        const QString line = QLatin1String(key.name) + QLatin1Char('=') +
                             (options.*key.member ? QLatin1Char('1') : QLatin1Char('0'));
        const int at = lineOf(QLatin1String(key.name));
        if (at >= 0) {
            m_lines[at] = line;
        } else {
            // A new line goes right after the section header.
            int header = 0;
            while (header < m_lines.size() && m_lines.at(header).trimmed().compare(Section, Qt::CaseInsensitive) != 0)
                ++header;
            m_lines.insert(header + 1, line);
        }
    }
    return TextFile::writeLines(m_path, m_lines);
}

QList<SpellConfig::Dictionary> SpellConfig::dictionaries() const
{
    QList<Dictionary> result;
    const int count = value(QStringLiteral("U_MU_DCT_ListCount")).trimmed().toInt();
    for (int i = 0; i < std::clamp(count, 0, 64); ++i) {
        const QString entry = value(QStringLiteral("U_MU_DCT_") + QString::number(i));
        if (entry.isEmpty())
            continue;
        Dictionary dictionary;
        dictionary.enabled = entry.at(0).toUpper() == QLatin1Char('T');
        dictionary.path = entry.mid(1);
        dictionary.caption = value(QStringLiteral("M_DCT_") + QString::number(i));
        result.append(dictionary);
    }
    return result;
}

QString SpellConfig::userDictionaryPath() const
{
    const QString index = value(QStringLiteral("UserIndex")).trimmed();
    QString entry = value(QStringLiteral("U_DCT_") + (index.isEmpty() ? QStringLiteral("0") : index));
    if (entry.isEmpty())
        entry = value(QStringLiteral("U_DCT_0"));
    if (entry.size() < 2 || entry.at(0).toUpper() != QLatin1Char('T'))
        return QString();
    return entry.mid(1);
}
