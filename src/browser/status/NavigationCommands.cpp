#include "browser/status/NavigationCommands.h"

#include "browser/TKestrelWB.h"
#include "browser/status/BrowserChrome.h"
#include "browser/tabs/TabSet.h"
#include "ui/CommandIds.h"
#include "ui/CommandRegistry.h"

NavigationCommands::NavigationCommands(CommandRegistry &commands, TabSet &tabs, BrowserChrome &chrome)
    : m_tabs(tabs), m_chrome(chrome)
{
    const auto onActive = [this](void (TKestrelWB::*operation)()) {
        return [this, operation] {
            if (TKestrelWB *view = m_tabs.GetActiveBrowser())
                (view->*operation)();
        };
    };
    commands.add(CommandIds::Back, QStringLiteral("Back"), QStringLiteral("Back"), QKeySequence(Qt::CTRL | Qt::Key_Left),
                 onActive(&TKestrelWB::GoBack))
        ->setEnabled(false);
    commands.add(CommandIds::Forward, QStringLiteral("Forward"), QStringLiteral("Forward"),
                 QKeySequence(Qt::CTRL | Qt::Key_Right), onActive(&TKestrelWB::GoForward))
        ->setEnabled(false);
    commands.add(CommandIds::Stop, QStringLiteral("Stop"), QStringLiteral("Stop"), QKeySequence(Qt::Key_Escape), [this] {
        if (TKestrelWB *view = m_tabs.GetActiveBrowser())
            view->Stop();
        m_chrome.stopBusy();
    })->setEnabled(false);
    commands.add(CommandIds::Refresh, QStringLiteral("Refresh"), QStringLiteral("Refresh"), QKeySequence(Qt::Key_F5),
                 onActive(&TKestrelWB::Refresh));
    commands.add(CommandIds::Home, QStringLiteral("Home"), QStringLiteral("Home"), QKeySequence(Qt::CTRL | Qt::Key_H),
                 onActive(&TKestrelWB::GoHome));
    commands.add(CommandIds::FocusPage, QString(), QString(), {}, onActive(&TKestrelWB::SetFocus));
}
