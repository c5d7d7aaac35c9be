#include "shell/CommandLineAddress.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

QString CommandLineAddress::fromArgument(const QString &argument, const QString &workingFolder)
{
    if (argument.trimmed().isEmpty())
        return argument;
    const QFileInfo file(QDir(workingFolder), argument);
    if (!file.exists())
        return argument;
    return QUrl::fromLocalFile(file.absoluteFilePath()).toString(QUrl::FullyEncoded);
}
