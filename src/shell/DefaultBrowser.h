#pragma once

#include <QString>
#include <QStringList>

// The program as the desktop's handler of web addresses: its desktop file
// "kestrel-browser.desktop" in $XDG_DATA_HOME/applications, and the http and https defaults in
// the user's mimeapps.list naming it. Links opened anywhere then start the program with the
// address, and a running instance takes it over as a new tab.
class DefaultBrowser
{
public:
    static inline const QString DesktopId = QStringLiteral("kestrel-browser.desktop");
    // The schemes registration takes over.
    static const QStringList Schemes;
    // The types the desktop file offers to open.
    static const QStringList MimeTypes;

    // The desktop files folder and the list file written; the user's own by default.
    DefaultBrowser();
    DefaultBrowser(const QString &applicationsFolder, const QString &listPath);

    // True exactly when the desktop's http and https defaults both name our desktop file and
    // its Exec starts this executable.
    bool IsDefaultBrowser(const QString &exe) const;
    // Writes the desktop file and both defaults, each atomically; false when a write failed.
    bool RegisterAsDefaultBrowser(const QString &exe) const;
    // Only while the program is the default browser: takes our two defaults out of the list,
    // keeping everything else in it.
    void UnregisterAsDefaultBrowser(const QString &exe) const;

    QString desktopFilePath() const;

private:
    QString m_applicationsFolder;
    QString m_listPath;
};
