#pragma once

#include "pagetools/mail/MailSettings.h"

#include <QString>

class DefaultBrowser;
class Prompter;
class SettingsStore;

// The settings of the options dialog: what it shows when it opens, and what "OK" does with
// them, in order: default browser, quick-launch shortcut, start-menu shortcut, then the stored
// values. Settings without a counterpart here (the system browser's Tools-menu entry, flat scroll
// bars, the engine's form autocomplete) are shown as stored and never written.
class KBOptions
{
public:
    struct Values
    {
        bool defaultBrowser = false;
        bool quickLaunch = true;
        bool startMenu = false;
        bool ie5MenuItem = false;
        int tabTitleLength = 35;
        bool border3D = true;
        bool flatScrollbars = false;
        bool ieAutocomplete = true;
        MailSettings mail;
        QString noteFolder;
    };

    static constexpr int MinTabTitleLength = 5;
    static constexpr int MaxTabTitleLength = 150;
    static inline const QString RemoveDefaultWarning = QStringLiteral(
        "Removing Kestrel Browser as your default browser will leave you without a default browser.  You must "
        "cause another browser to set itself as the default browser.  Do you want to continue?");
    static inline const QString StartMenuNotFound = QStringLiteral("Error: Start Menu directory not found.");

    KBOptions(SettingsStore &store, Prompter &prompter, const DefaultBrowser &defaultBrowser,
              const QString &executable, const QString &dataFolder);

    Values load() const;
    // The quick-launch box works only where the store names a quick-launch folder.
    bool hasQuickLaunchFolder() const;
    // "OK".
    void save(const Values &values);

    const QString &dataFolder() const { return m_dataFolder; }

private:
    void saveDefaultBrowser(bool wanted);
    void saveQuickLaunch(bool wanted);
    void saveStartMenu(bool wanted);

    SettingsStore &m_store;
    Prompter &m_prompter;
    const DefaultBrowser &m_defaultBrowser;
    QString m_executable;
    QString m_dataFolder;
};
