#include "search/SiteFile.h"

#include "shell/TextFile.h"

#include <QDir>
#include <QFileInfo>

namespace SiteFile {

QString path(const QString &dataFolder)
{
    return QDir(dataFolder).filePath(FileName);
}

QStringList sectionLines(const QStringList &lines, const QString &sectionName)
{
    const QString header = QLatin1Char('[') + sectionName.toLower() + QLatin1Char(']');
    QStringList kept;
    bool collecting = false;
    for (const QString &line : lines) {
        if (line.toLower() == header) {
            collecting = true;
        } else if (line.startsWith(QLatin1Char('['))) {
            if (collecting)
                break;
        } else if (collecting) {
            kept.append(line);
        }
    }
    return kept;
}

QString readSection(const QString &filePath, const QString &sectionName)
{
    const std::optional<QStringList> lines = TextFile::readLines(filePath);
    if (!lines)
        return QString();
    return sectionLines(*lines, sectionName).join(QStringLiteral("\r\n"));
}

Categories readCategories(const QStringList &lines)
{
    static const std::array<QString, CategoryCount> headers = {
        QStringLiteral("[searchengines]"), QStringLiteral("[people]"), QStringLiteral("[financial]"),
        QStringLiteral("[news]"), QStringLiteral("[reference]")};
    Categories categories;
    QStringList *selected = nullptr;
    for (const QString &line : lines) {
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            selected = nullptr;
            const QString lower = line.toLower();
            for (int i = 0; i < CategoryCount; ++i) {
                if (lower == headers[i])
                    selected = &categories[i];
            }
            continue;
        }
        if (selected)
            selected->append(line);
    }
    return categories;
}

bool ensureExists(const QString &filePath)
{
    if (QFileInfo::exists(filePath))
        return true;
    return TextFile::writeLines(filePath, defaultLines());
}
}
