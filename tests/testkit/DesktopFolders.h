#pragma once

#include <QHash>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

// A private freedesktop world for one test: its own XDG config and data folders (the user's and
// the system's), set in this process and handed to the desktop tools it runs, with no desktop
// session named. The previous environment comes back when the object goes.
class DesktopFolders
{
public:
    DesktopFolders();
    ~DesktopFolders();

    QString configHome() const { return path("config"); }
    QString dataHome() const { return path("share"); }
    QString applications() const { return path("share") + QStringLiteral("/applications"); }
    QString systemApplications() const { return path("system-share") + QStringLiteral("/applications"); }
    QString userList() const { return configHome() + QStringLiteral("/mimeapps.list"); }
    QString root() const { return m_root.path(); }

    // A program that writes its arguments, one a line, to its own ".args" file beside it.
    QString fakeProgram(const QString &path) const;
    QStringList argumentsOf(const QString &program) const;
    // An installed desktop file that starts the program (in the user's applications folder).
    QString installApplication(const QString &desktopId, const QString &program, const QString &mimeTypes) const;

    // Runs a desktop tool (xdg-mime, xdg-settings, gio ...) in this world: its trimmed output,
    // whatever its exit code, or NotEnded.
    QString run(const QString &tool, const QStringList &arguments) const;
    static inline const QString NotEnded = QStringLiteral("(the tool did not end)");

    static QByteArray readBytes(const QString &path);
    static void writeBytes(const QString &path, const QByteArray &bytes);

private:
    QString path(const char *name) const { return m_root.path() + QLatin1Char('/') + QLatin1String(name); }

    QTemporaryDir m_root;
    QHash<QByteArray, std::optional<QByteArray>> m_saved;
};
