#include "ui/options/KBOptions.h"

#include "shell/DefaultBrowser.h"
#include "shell/DefaultBrowserCheck.h"
#include "shell/ProgramShortcut.h"
#include "shell/QuickLaunch.h"
#include "shell/SettingsStore.h"
#include "shell/StartMenu.h"
#include "ui/Prompter.h"

#include <QDir>

namespace {
const QString &Main = SettingsStore::MainSection;
const QString IE5MenuItem = QStringLiteral("IE5 Menu Item");
const QString TabTitleLength = QStringLiteral("TabTitleLength");
const QString Border3D = QStringLiteral("3D Border");
const QString FlatScrollbars = QStringLiteral("Flat Scrollbars");
const QString IEAutocomplete = QStringLiteral("IE Autocomplete");
const QString WebNoteFolder = QStringLiteral("Web Note Folder");
}

KBOptions::KBOptions(SettingsStore &store, Prompter &prompter, const DefaultBrowser &defaultBrowser,
                     const QString &executable, const QString &dataFolder)
    : m_store(store), m_prompter(prompter), m_defaultBrowser(defaultBrowser), m_executable(executable),
      m_dataFolder(dataFolder)
{
}

KBOptions::Values KBOptions::load() const
{
    Values values;
    values.defaultBrowser = m_defaultBrowser.IsDefaultBrowser(m_executable);
    values.quickLaunch = m_store.readBool(Main, QuickLaunch::IconKey, true);
    values.startMenu = m_store.readBool(Main, StartMenu::IconKey, false);
    values.ie5MenuItem = m_store.readBool(Main, IE5MenuItem, false);
    values.tabTitleLength = qBound(MinTabTitleLength, m_store.readInteger(Main, TabTitleLength, 35), MaxTabTitleLength);
    values.border3D = m_store.readBool(Main, Border3D, true);
    values.flatScrollbars = m_store.readBool(Main, FlatScrollbars, false);
    values.ieAutocomplete = m_store.readBool(Main, IEAutocomplete, true);
    values.mail = MailSettings::read(m_store, MailSettings::LaunchProgram);
    values.noteFolder = m_store.readString(Main, WebNoteFolder, m_dataFolder);
    return values;
}

bool KBOptions::hasQuickLaunchFolder() const
{
    return !QuickLaunch::folder(m_store).isEmpty();
}

void KBOptions::save(const Values &values)
{
    saveDefaultBrowser(values.defaultBrowser);
    saveQuickLaunch(values.quickLaunch);
    saveStartMenu(values.startMenu);
    m_store.writeInteger(Main, TabTitleLength, qBound(MinTabTitleLength, values.tabTitleLength, MaxTabTitleLength));
    MailSettings mail = values.mail;
    mail.action = mail.action == MailSettings::LaunchProgram ? MailSettings::LaunchProgram : MailSettings::WebMail;
    mail.write(m_store);
    m_store.writeString(Main, WebNoteFolder, values.noteFolder);
    m_store.writeBool(Main, Border3D, values.border3D);
}

void KBOptions::saveDefaultBrowser(bool wanted)
{
    const bool isDefault = m_defaultBrowser.IsDefaultBrowser(m_executable);
    if (wanted && !isDefault) {
        if (!m_defaultBrowser.RegisterAsDefaultBrowser(m_executable))
            m_prompter.message(DefaultBrowserCheck::RegistrationFailed);
    } else if (!wanted && isDefault
               && m_prompter.question(RemoveDefaultWarning, QString(), Prompter::Buttons::YesNo) == Prompter::Answer::Yes) {
        m_defaultBrowser.UnregisterAsDefaultBrowser(m_executable);
    }
}

void KBOptions::saveQuickLaunch(bool wanted)
{
    // Without a quick-launch folder the box cannot be changed and its setting stays.
    const QString folder = QuickLaunch::folder(m_store);
    if (folder.isEmpty())
        return;
    if (wanted) {
        ProgramShortcut::make(folder, m_executable, m_dataFolder);
        m_store.writeBool(Main, QuickLaunch::IconKey, true);
    } else if (m_store.readBool(Main, QuickLaunch::IconKey, true)) {
        ProgramShortcut::remove(folder);
        m_store.writeBool(Main, QuickLaunch::IconKey, false);
    }
}

void KBOptions::saveStartMenu(bool wanted)
{
    const QString folder = StartMenu::folder(m_store);
    if (wanted) {
        if (folder.isEmpty() || !QDir().mkpath(folder))
            m_prompter.message(StartMenuNotFound);
        else
            ProgramShortcut::make(folder, m_executable, m_dataFolder);
        m_store.writeBool(Main, StartMenu::IconKey, true);
    } else if (m_store.readBool(Main, StartMenu::IconKey, false)) {
        if (!folder.isEmpty())
            ProgramShortcut::remove(folder);
        m_store.writeBool(Main, StartMenu::IconKey, false);
    }
}
