#include "browser/NewWindowPolicy.h"

#include "browser/TKestrelWB.h"
#include "shell/SettingsStore.h"

NewWindowPolicy::NewWindowPolicy(SettingsStore &settings, AskUser askUser, OpenNewTab openNewTab)
    : m_settings(settings), m_askUser(std::move(askUser)), m_openNewTab(std::move(openNewTab))
{
}

NewWindowPolicy::Outcome NewWindowPolicy::decide(bool viewBusy)
{
    const QString &section = SettingsStore::MainSection;
    if (viewBusy) {
        return m_settings.readInteger(section, NewWindowKey, DefaultBrowser) == DoNotOpen ? Outcome::Suppressed
                                                                                          : Outcome::OwnWindow;
    }
    if (!m_settings.readBool(section, NewWindowDialogKey, false))
        m_askUser();
    switch (m_settings.readInteger(section, NewWindowKey, DefaultBrowser)) {
    case SameWindow:
        return Outcome::SameView;
    case NewBrowserTab:
        return Outcome::NewTab;
    case DoNotOpen:
        return Outcome::Suppressed;
    default:
        // "Open in default browser" and no choice both leave the page to the engine.
        return Outcome::OwnWindow;
    }
}

void NewWindowPolicy::handle(TKestrelWB *sender, TKestrelWB *&newView, bool &cancel)
{
    if (!sender)
        return;
    switch (decide(sender->Busy())) {
    case Outcome::SameView:
        newView = sender;
        break;
    case Outcome::NewTab:
        newView = m_openNewTab();
        break;
    case Outcome::OwnWindow:
        break;
    case Outcome::Suppressed:
        newView = nullptr;
        cancel = true;
        break;
    }
}
