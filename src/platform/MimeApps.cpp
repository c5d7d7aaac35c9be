#include "platform/MimeApps.h"

#include "shell/TextFile.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <functional>

namespace MimeApps {

namespace {
QString typeOf(const QString &line)
{
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    return equals > 0 ? line.left(equals).trimmed() : QString();
}

QStringList entriesOf(const QString &line)
{
    return line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed().split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

bool isGroupLine(const QString &line)
{
    return line.trimmed().startsWith(QLatin1Char('['));
}

// Calls the edit for every line of the default group; it may change the line or return false to
// drop it. The types it did not see are returned.
QStringList editDefaults(QStringList &lines, const QStringList &mimeTypes, qsizetype &groupEnd,
                         const std::function<bool(QString &line)> &edit)
{
    QStringList unseen = mimeTypes;
    groupEnd = -1;
    bool inGroup = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (isGroupLine(lines.at(i))) {
            inGroup = lines.at(i).trimmed() == DefaultGroup;
            if (inGroup)
                groupEnd = i + 1;
            continue;
        }
        if (!inGroup)
            continue;
        const QString type = typeOf(lines.at(i));
        if (mimeTypes.contains(type)) {
            unseen.removeAll(type);
            if (!edit(lines[i])) {
                lines.removeAt(i--);
                continue;
            }
        }
        // New lines go after the group's last non-empty line.
        if (!lines.at(i).trimmed().isEmpty())
            groupEnd = i + 1;
    }
    return unseen;
}

QStringList dataFolders()
{
    return QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
}

QStringList desktopNames()
{
    QStringList names;
    const QStringList desktops =
        qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString &desktop : desktops)
        names << desktop.toLower() + QStringLiteral("-mimeapps.list");
    names << QStringLiteral("mimeapps.list");
    return names;
}

bool rewrite(const QString &listPath, const std::function<QStringList(const QStringList &)> &change)
{
    QStringList lines;
    if (QFileInfo::exists(listPath)) {
        const std::optional<QStringList> read = TextFile::readLines(listPath);
        // A list that exists but cannot be read is not replaced by one holding only our lines.
        if (!read)
            return false;
        lines = *read;
    }
    return TextFile::writeLines(listPath, change(lines), TextFile::LineEnd::Lf);
}
}

QString userListPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/mimeapps.list");
}

QStringList listPaths()
{
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    for (const QString &data : dataFolders())
        folders << data + QStringLiteral("/applications");
    QStringList paths;
    for (const QString &folder : folders) {
        for (const QString &name : desktopNames())
            paths << folder + QLatin1Char('/') + name;
    }
    return paths;
}

QString desktopFilePath(const QString &desktopId)
{
    if (desktopId.isEmpty() || desktopId.contains(QLatin1Char('/')))
        return QString();
    QStringList names{desktopId};
    const qsizetype dash = desktopId.indexOf(QLatin1Char('-'));
    if (dash > 0)
        names << desktopId.left(dash) + QLatin1Char('/') + desktopId.mid(dash + 1);
    for (const QString &data : dataFolders()) {
        for (const QString &name : names) {
            const QString path = data + QStringLiteral("/applications/") + name;
            if (QFileInfo(path).isFile())
                return path;
        }
    }
    return QString();
}

QString defaultApplication(const QString &mimeType)
{
    for (const QString &path : listPaths()) {
        if (!QFileInfo(path).isFile())
            continue;
        const QStringList lines = TextFile::readLines(path).value_or(QStringList());
        bool inGroup = false;
        for (const QString &line : lines) {
            if (isGroupLine(line)) {
                inGroup = line.trimmed() == DefaultGroup;
                continue;
            }
            if (!inGroup || typeOf(line) != mimeType)
                continue;
            for (const QString &entry : entriesOf(line)) {
                if (!desktopFilePath(entry.trimmed()).isEmpty())
                    return entry.trimmed();
            }
            // The first line of a type in a list is the one that counts.
            break;
        }
    }
    return QString();
}

QStringList withDefaults(const QStringList &lines, const QStringList &mimeTypes, const QString &desktopId)
{
    QStringList result = lines;
    qsizetype groupEnd = -1;
    const QStringList unseen = editDefaults(result, mimeTypes, groupEnd, [&](QString &line) {
        line = typeOf(line) + QLatin1Char('=') + desktopId + QLatin1Char(';');
        return true;
    });
    QStringList added;
    for (const QString &type : unseen)
        added << type + QLatin1Char('=') + desktopId + QLatin1Char(';');
    if (added.isEmpty())
        return result;
    if (groupEnd < 0) {
        if (!result.isEmpty() && !result.last().trimmed().isEmpty())
            result << QString();
        result << DefaultGroup << added;
        return result;
    }
    for (qsizetype i = 0; i < added.size(); ++i)
        result.insert(groupEnd + i, added.at(i));
    return result;
}

QStringList withoutDefault(const QStringList &lines, const QStringList &mimeTypes, const QString &desktopId)
{
    QStringList result = lines;
    qsizetype groupEnd = -1;
    editDefaults(result, mimeTypes, groupEnd, [&](QString &line) {
        QStringList entries = entriesOf(line);
        if (!entries.contains(desktopId))
            return true;
        entries.removeAll(desktopId);
        if (entries.isEmpty())
            return false;
        line = typeOf(line) + QLatin1Char('=') + entries.join(QLatin1Char(';')) + QLatin1Char(';');
        return true;
    });
    return result;
}

bool setDefaults(const QString &listPath, const QStringList &mimeTypes, const QString &desktopId)
{
    return rewrite(listPath, [&](const QStringList &lines) { return withDefaults(lines, mimeTypes, desktopId); });
}

bool removeDefault(const QString &listPath, const QStringList &mimeTypes, const QString &desktopId)
{
    return rewrite(listPath, [&](const QStringList &lines) { return withoutDefault(lines, mimeTypes, desktopId); });
}

}
