#include "favorites/ShortcutFile.h"

#include "shell/TextFile.h"

#include <QStringList>

namespace ShortcutFile {

QString address(const QString &path)
{
    const std::optional<QStringList> fileLines = TextFile::readSmallTextLines(path, MaxBytes);
    if (!fileLines)
        return QString();
    for (const QString &line : *fileLines) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals >= 0 && QStringView(line).left(equals).compare(QLatin1String("url"), Qt::CaseInsensitive) == 0)
            return line.mid(equals + 1);
    }
    return QString();
}

QStringList lines(const QString &address)
{
    return {QStringLiteral("[InternetShortcut]"), QStringLiteral("URL=") + address};
}

}
