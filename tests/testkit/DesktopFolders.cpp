#include "testkit/DesktopFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace {
const char *const Variables[] = {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_DIRS",
                                 "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION",
                                 "GNOME_DESKTOP_SESSION_ID", "BROWSER", "XDG_MENU_PREFIX"};
}

DesktopFolders::DesktopFolders()
{
    for (const char *name : Variables) {
        m_saved.insert(name, qEnvironmentVariableIsSet(name) ? std::optional<QByteArray>(qgetenv(name)) : std::nullopt);
        qunsetenv(name);
    }
    for (const char *name : {"config", "share/applications", "system-config", "system-share/applications"})
        QDir().mkpath(path(name));
    qputenv("XDG_CONFIG_HOME", configHome().toLocal8Bit());
    qputenv("XDG_DATA_HOME", dataHome().toLocal8Bit());
    qputenv("XDG_CONFIG_DIRS", path("system-config").toLocal8Bit());
    qputenv("XDG_DATA_DIRS", path("system-share").toLocal8Bit());
}

DesktopFolders::~DesktopFolders()
{
    for (auto it = m_saved.cbegin(); it != m_saved.cend(); ++it) {
        if (it.value())
            qputenv(it.key().constData(), *it.value());
        else
            qunsetenv(it.key().constData());
    }
}

QString DesktopFolders::fakeProgram(const QString &path) const
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    writeBytes(path, QByteArrayLiteral("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$0.args\"\n"));
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    return path;
}

QStringList DesktopFolders::argumentsOf(const QString &program) const
{
    return QString::fromUtf8(readBytes(program + QStringLiteral(".args"))).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString DesktopFolders::installApplication(const QString &desktopId, const QString &program,
                                           const QString &mimeTypes) const
{
    const QString file = applications() + QLatin1Char('/') + desktopId;
    writeBytes(file, QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nExec=%2 %u\nMimeType=%3\n")
                         .arg(desktopId, program, mimeTypes)
                         .toUtf8());
    return file;
}

QString DesktopFolders::run(const QString &tool, const QStringList &arguments) const
{
    QProcess process;
    process.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return NotEnded;
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

QByteArray DesktopFolders::readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void DesktopFolders::writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}
