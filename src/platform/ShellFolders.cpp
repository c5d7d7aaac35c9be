#include "platform/ShellFolders.h"

#include <QDir>
#include <QStandardPaths>

QString ShellFolders::myComputer()
{
    return QDir::rootPath();
}

QString ShellFolders::desktop()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

QString ShellFolders::startMenu()
{
    return QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
}

QString ShellFolders::favorites()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/kestrel-browser/Favorites");
}
