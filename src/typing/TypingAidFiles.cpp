#include "typing/TypingAidFiles.h"

#include "shell/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace TypingAidFiles {

QString path(const QString &folder, const QString &fileName)
{
    return QDir(folder).filePath(fileName);
}

bool exists(const QString &folder, const QString &fileName)
{
    return QFileInfo(path(folder, fileName)).isFile();
}

std::optional<QStringList> read(const QString &folder, const QString &fileName)
{
    if (!exists(folder, fileName))
        return std::nullopt;
    return TextFile::readLines(path(folder, fileName));
}

bool write(const QString &folder, const QString &fileName, const QStringList &lines)
{
    return TextFile::writeLines(path(folder, fileName), lines);
}

void sortCaseInsensitive(QStringList &lines)
{
    std::stable_sort(lines.begin(), lines.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
}

}
