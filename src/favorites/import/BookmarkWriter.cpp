#include "favorites/import/BookmarkWriter.h"

#include "favorites/AddFavorite.h"
#include "favorites/ShortcutFile.h"
#include "shell/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
constexpr int MaxDepth = 64;
// File names are limited in bytes; titles in most scripts stay well inside this.
constexpr int MaxNameBytes = 200;

QString withoutControls(const QString &text)
{
    QString clean;
    clean.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() != QChar::Other_Control && c != QChar::LineSeparator && c != QChar::ParagraphSeparator)
            clean.append(c);
    }
    return clean;
}

bool taken(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}
}

QString BookmarkWriter::safeName(const QString &title, const QString &fallback, QStringList &takenLowerCase)
{
    static const QRegularExpression extensions(QStringLiteral("\\.(url|lnk)"),
                                               QRegularExpression::CaseInsensitiveOption);
    QString name = withoutControls(title);
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    name.replace(extensions, QStringLiteral("_\\1"));
    name = name.trimmed();
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    name = name.trimmed();
    if (name.isEmpty())
        name = fallback;
    // Room is left for a number that makes the name unique.
    const int maxLength = AddFavorite::MaxNameLength - 8;
    if (name.size() > maxLength)
        name.truncate(maxLength);
    while (name.toUtf8().size() > MaxNameBytes)
        name.chop(1);
    if (!name.isEmpty() && name.back().isHighSurrogate())
        name.chop(1);
    name = name.trimmed();
    QString unique = name;
    for (int number = 2; takenLowerCase.contains(unique.toLower()); ++number)
        unique = name + QStringLiteral(" (") + QString::number(number) + QLatin1Char(')');
    takenLowerCase.append(unique.toLower());
    return unique;
}

void BookmarkWriter::writeChildren(const BookmarkNode &folder, const QString &path, int depth, Result &result)
{
    QStringList names;
    for (const BookmarkNode &child : folder.children) {
        if (child.folder) {
            if (depth >= MaxDepth)
                continue;
            const QString name = safeName(child.title, QStringLiteral("Folder"), names);
            const QString childPath = path + QLatin1Char('/') + name;
            if (!QDir(path).mkdir(name)) {
                ++result.failed;
                continue;
            }
            writeChildren(child, childPath, depth + 1, result);
            continue;
        }
        const QString name = safeName(child.title, QStringLiteral("Bookmark"), names);
        const QString file = path + QLatin1Char('/') + name + QStringLiteral(".url");
        if (TextFile::writeLines(file, ShortcutFile::lines(withoutControls(child.url))))
            ++result.written;
        else
            ++result.failed;
    }
}

BookmarkWriter::Result BookmarkWriter::write(const BookmarkNode &top, const QString &favorites,
                                             const QString &browser)
{
    Result result;
    const QString base = QStringLiteral("Imported from ") + browser;
    QString name = base;
    for (int number = 2; taken(favorites + QLatin1Char('/') + name); ++number)
        name = base + QStringLiteral(" (") + QString::number(number) + QLatin1Char(')');
    if (!QDir().mkpath(favorites) || !QDir(favorites).mkdir(name))
        return result;
    result.folder = favorites + QLatin1Char('/') + name;
    writeChildren(top, result.folder, 1, result);
    return result;
}
