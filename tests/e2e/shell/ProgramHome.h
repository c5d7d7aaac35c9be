#pragma once

#include "shell/DefaultBrowserCheck.h"
#include "shell/InstanceNames.h"
#include "shell/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>

// The folders of one user of the program; starts that share the runtime folder meet there. The
// user has turned the start-up question about the default browser off, so that starts run
// through without a dialog.
class Home
{
public:
    Home()
    {
        for (const char *name : {"config", "share", "data", "runtime", "cache"}) {
            const QString path = folder(name);
            QDir().mkpath(path);
            QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        }
        SettingsStore(storePath()).writeBool(SettingsStore::MainSection, DefaultBrowserCheck::Key, false);
        m_initialStore = storeBytes();
    }
    QString storePath() const { return folder("config") + QStringLiteral("/kestrel-browser/registry.ini"); }
    QString folder(const char *name) const { return m_root.path() + QLatin1Char('/') + QLatin1String(name); }
    QString socketPath() const { return folder("runtime") + QLatin1Char('/') + InstanceNames::socketName(); }
    // This user's folders; the runtime folder may be another's, to meet its instance.
    QProcessEnvironment environment(const Home *runtimeOf = nullptr) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder("config"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), folder("share"));
        environment.insert(QStringLiteral("KESTREL_DATA_DIR"), folder("data"));
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), folder("cache"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), (runtimeOf ? runtimeOf : this)->folder("runtime"));
        return environment;
    }
    // Nothing but the settings file made here, unchanged.
    bool untouched() const
    {
        if (storeBytes() != m_initialStore
            || QDir(folder("config")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
                   != QStringList{QStringLiteral("kestrel-browser")}
            || QDir(folder("config") + QStringLiteral("/kestrel-browser"))
                       .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
                   != QStringList{QStringLiteral("registry.ini")})
            return false;
        for (const char *name : {"share", "data"}) {
            if (!QDir(folder(name)).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
                return false;
        }
        return true;
    }

private:
    QByteArray storeBytes() const
    {
        QFile file(storePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_root;
    QByteArray m_initialStore;
};
