#pragma once

#include <QString>
#include <functional>

class DefaultBrowser;
class Prompter;
class SettingsStore;

// The start-up offer to become the default browser: asked when the program is not the default
// browser and "DefaultBrowserCheck" (default true) is on; registers on Yes.
namespace DefaultBrowserCheck {
inline const QString Key = QStringLiteral("DefaultBrowserCheck");
// Said when the desktop's files could not be written.
inline const QString RegistrationFailed =
    QStringLiteral("Kestrel Browser could not be made the default browser: the desktop's settings files could "
                   "not be written.");

// Asks through the given question (true for Yes); a failed registration is told.
void run(SettingsStore &settings, const DefaultBrowser &defaultBrowser, const QString &exe, Prompter &prompter,
         const std::function<bool()> &ask);
}
