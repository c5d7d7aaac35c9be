#include "shell/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace DataFolder {

QString choose(const QString &dataDirVariable, const QString &executableFolder,
               bool executableFolderWritable, const QString &dataHome)
{
    if (!dataDirVariable.isEmpty())
        return QDir::cleanPath(dataDirVariable);
    if (!executableFolder.isEmpty() && executableFolderWritable)
        return QDir::cleanPath(executableFolder);
    return QDir::cleanPath(dataHome + QStringLiteral("/kestrel-browser"));
}

QString path()
{
    const QString executableFolder = QCoreApplication::applicationDirPath();
    const QString folder = choose(qEnvironmentVariable("KESTREL_DATA_DIR"), executableFolder,
                                  QFileInfo(executableFolder).isWritable(),
                                  QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    QDir().mkpath(folder);
    return folder;
}

QString filePath(const QString &fileName)
{
    return path() + QLatin1Char('/') + fileName;
}

}
