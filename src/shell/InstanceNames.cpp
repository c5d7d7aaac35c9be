#include "shell/InstanceNames.h"

#include <QRegularExpression>
#include <QStandardPaths>

#include <unistd.h>

namespace InstanceNames {

QString socketName()
{
    QString name = QStringLiteral("KestrelBrowser is Running!");
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("-"));
    while (name.endsWith(QLatin1Char('-')))
        name.chop(1);
    return name + QLatin1Char('-') + QString::number(::getuid());
}

QString socketPath()
{
    // Qt checks the runtime folder's owner and mode 0700 and falls back to a private folder of
    // its own when they are wrong; the folder is looked up once, so its warning comes once.
    static const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder + QLatin1Char('/') + socketName();
}

QString lockPath()
{
    return socketPath() + QStringLiteral(".lock");
}

}
