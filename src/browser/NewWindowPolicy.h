#pragma once

#include <QString>
#include <functional>

class SettingsStore;
class TKestrelWB;

// What happens when a page asks for a new window, by the "New Window" setting the user picks in
// the "New Window" dialog: the page opens in the same view, on a new tab, in a window the
// engine opens by itself, or not at all. Requests made while the page is still loading never
// ask and never use the same view or a new tab.
class NewWindowPolicy
{
public:
    static inline const QString NewWindowKey = QStringLiteral("New Window");
    static inline const QString NewWindowDialogKey = QStringLiteral("New Window Dialog");

    // The stored choices of "New Window"; 0 is no choice.
    enum Choice { SameWindow = 1, NewBrowserTab = 2, DefaultBrowser = 3, DoNotOpen = 4 };

    enum class Outcome {
        SameView,   // the requesting view receives the page
        NewTab,     // a new active tab receives the page
        OwnWindow,  // neither given nor cancelled: the engine opens a window of its own
        Suppressed, // cancelled: nothing opens
    };

    // Shows the "New Window" dialog, which stores the user's choice.
    using AskUser = std::function<void()>;
    // Opens a new active tab with no address and no caption and returns its view.
    using OpenNewTab = std::function<TKestrelWB *()>;

    NewWindowPolicy(SettingsStore &settings, AskUser askUser, OpenNewTab openNewTab);

    // The decision for a request from a view that is or is not busy loading; may ask the user.
    Outcome decide(bool viewBusy);
    // The new-window handler of every view: sets the view to receive the page and the cancel
    // flag. Requests from no view are ignored.
    void handle(TKestrelWB *sender, TKestrelWB *&newView, bool &cancel);

private:
    SettingsStore &m_settings;
    AskUser m_askUser;
    OpenNewTab m_openNewTab;
};
