#include "shell/DdeServiceName.h"

#include <QFileInfo>

QString ddeServiceName(const QString &executablePath)
{
    const QString fileName = QFileInfo(executablePath).fileName();
    return fileName.left(fileName.indexOf(QLatin1Char('.')));
}
