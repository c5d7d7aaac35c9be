#include "shell/DefaultBrowser.h"

#include "platform/DesktopEntry.h"
#include "platform/MimeApps.h"
#include "platform/ShellFolders.h"

#include <QDir>

const QStringList DefaultBrowser::Schemes{QStringLiteral("x-scheme-handler/http"),
                                          QStringLiteral("x-scheme-handler/https")};
const QStringList DefaultBrowser::MimeTypes{QStringLiteral("text/html"), QStringLiteral("x-scheme-handler/http"),
                                            QStringLiteral("x-scheme-handler/https")};

DefaultBrowser::DefaultBrowser() : DefaultBrowser(ShellFolders::startMenu(), MimeApps::userListPath()) {}

DefaultBrowser::DefaultBrowser(const QString &applicationsFolder, const QString &listPath)
    : m_applicationsFolder(applicationsFolder), m_listPath(listPath)
{
}

QString DefaultBrowser::desktopFilePath() const
{
    return m_applicationsFolder + QLatin1Char('/') + DesktopId;
}

bool DefaultBrowser::IsDefaultBrowser(const QString &exe) const
{
    for (const QString &scheme : Schemes) {
        if (MimeApps::defaultApplication(scheme) != DesktopId)
            return false;
    }
    const std::optional<QString> exec = DesktopEntry::readExec(MimeApps::desktopFilePath(DesktopId));
    if (!exec)
        return false;
    const QStringList arguments = DesktopEntry::execArguments(*exec);
    return !arguments.isEmpty() && arguments.first() == exe;
}

bool DefaultBrowser::RegisterAsDefaultBrowser(const QString &exe) const
{
    // The handler stays out of the menus; the options dialog's start-menu shortcut is the entry
    // the user chooses to see.
    const DesktopEntry entry{.name = QStringLiteral("Kestrel Browser"),
                             .program = exe,
                             .argument = QStringLiteral("%u"),
                             .mimeTypes = MimeTypes,
                             .noDisplay = true};
    if (!QDir().mkpath(m_applicationsFolder) || !entry.write(desktopFilePath()))
        return false;
    return MimeApps::setDefaults(m_listPath, Schemes, DesktopId);
}

void DefaultBrowser::UnregisterAsDefaultBrowser(const QString &exe) const
{
    if (IsDefaultBrowser(exe))
        MimeApps::removeDefault(m_listPath, Schemes, DesktopId);
}
