#include "shell/DefaultBrowserCheck.h"

#include "shell/DefaultBrowser.h"
#include "shell/SettingsStore.h"
#include "ui/Prompter.h"

namespace DefaultBrowserCheck {

void run(SettingsStore &settings, const DefaultBrowser &defaultBrowser, const QString &exe, Prompter &prompter,
         const std::function<bool()> &ask)
{
    if (defaultBrowser.IsDefaultBrowser(exe) || !settings.readBool(SettingsStore::MainSection, Key, true))
        return;
    if (ask() && !defaultBrowser.RegisterAsDefaultBrowser(exe))
        prompter.message(RegistrationFailed);
}

}
