#include "shell/Workspace.h"

#include "browser/StartPage.h"
#include "favorites/KestrelGroupFile.h"
#include "shell/SettingsStore.h"
#include "shell/TextFile.h"

#include <optional>

namespace {
const QString SaveWorkspaceKey = QStringLiteral("Save Workspace");
}

Workspace::Workspace(SettingsStore &settings, const QString &dataFolder)
    : m_settings(settings), m_dataFolder(dataFolder)
{
}

QStringList Workspace::defaultStartPages()
{
    return {QStringLiteral("https://www.yahoo.com/"), QStringLiteral("https://www.wikipedia.org/"),
            productStartPage()};
}

QString Workspace::filePath() const
{
    return m_dataFolder + QLatin1Char('/') + FileName;
}

QString Workspace::groupFilePath() const
{
    return m_dataFolder + QLatin1Char('/') + GroupFileName;
}

bool Workspace::saveWorkspace() const
{
    return m_settings.readBool(SettingsStore::MainSection, SaveWorkspaceKey, true);
}

void Workspace::toggleSaveWorkspace()
{
    m_settings.writeBool(SettingsStore::MainSection, SaveWorkspaceKey, !saveWorkspace());
}

Workspace::FirstTabs Workspace::firstTabs() const
{
    QStringList addresses;
    std::optional<QStringList> workspace;
    bool restoredFromBackup = false;
    if (saveWorkspace()) {
        workspace = TextFile::readLines(filePath());
        if (!workspace || workspace->isEmpty()) {
            const std::optional<QStringList> backup = TextFile::readLines(TextFile::backupPath(filePath()));
            if (backup && !backup->isEmpty()) {
                workspace = backup;
                restoredFromBackup = true;
            }
        }
    }
    const bool fromWorkspace = workspace && !workspace->isEmpty();
    if (fromWorkspace) {
        for (const QString &line : *workspace)
            addresses.append(line.trimmed());
    } else {
        addresses = defaultGroupAddresses();
    }
    // Every new tab becomes the active one, so the last tab opened is active.
    return FirstTabs{addresses, int(addresses.size()) - 1, fromWorkspace, restoredFromBackup};
}

QStringList Workspace::defaultGroupAddresses() const
{
    const std::optional<QStringList> groups = TextFile::readLines(groupFilePath());
    if (!groups)
        return defaultStartPages();
    const std::optional<QStringList> sites = KestrelGroupFile::sitesOf(
        *groups, m_settings.readString(SettingsStore::MainSection, KestrelGroupFile::DefaultGroupKey));
    return sites ? *sites : defaultStartPages();
}

bool Workspace::save(const QStringList &locations) const
{
    if (!saveWorkspace())
        return false;
    QStringList lines;
    for (const QString &location : locations) {
        if (!location.trimmed().isEmpty())
            lines.append(location);
    }
    return TextFile::writeLines(filePath(), lines);
}
