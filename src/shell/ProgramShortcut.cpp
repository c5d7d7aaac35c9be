#include "shell/ProgramShortcut.h"

#include "platform/DesktopEntry.h"

#include <QFile>
#include <QFileInfo>

namespace ProgramShortcut {

QString pathIn(const QString &folder)
{
    return folder + QLatin1Char('/') + FileName;
}

bool make(const QString &folder, const QString &executable, const QString &dataFolder)
{
    const QString path = pathIn(folder);
    if (QFileInfo::exists(path))
        return false;
    return DesktopEntry{.name = QStringLiteral("Kestrel Browser"), .program = executable, .workingFolder = dataFolder}
        .write(path);
}

void remove(const QString &folder)
{
    const QString path = pathIn(folder);
    if (QFileInfo::exists(path))
        QFile::remove(path);
}

}
