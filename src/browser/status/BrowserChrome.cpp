#include "browser/status/BrowserChrome.h"

#include "browser/CommandState.h"
#include "browser/status/BusyAnimation.h"
#include "browser/status/StatusArea.h"
#include "ui/CommandIds.h"
#include "ui/CommandRegistry.h"

#include <QComboBox>
#include <QWidget>

BrowserChrome::BrowserChrome(QWidget &window, StatusArea &status, BusyAnimation &animation, QComboBox &address,
                             CommandRegistry &commands)
    : m_window(window), m_status(status), m_animation(animation), m_address(address), m_commands(commands)
{
}

bool BrowserChrome::isSecureAddress(const QString &address)
{
    return address.left(5).toLower() == QLatin1String("https");
}

void BrowserChrome::setWindowCaption(const QString &caption)
{
    m_window.setWindowTitle(caption);
}

void BrowserChrome::setStatusText(const QString &text)
{
    m_status.setPanelText(text);
}

void BrowserChrome::setProgress(int percent)
{
    m_status.setGauge(percent);
}

void BrowserChrome::showAddress(const QString &address)
{
    m_address.setEditText(address);
    m_status.setLockShown(isSecureAddress(address));
}

void BrowserChrome::setHistoryCommand(int command, bool enabled)
{
    Command *target = nullptr;
    if (command == CommandState::Back)
        target = m_commands.find(CommandIds::Back);
    else if (command == CommandState::Forward)
        target = m_commands.find(CommandIds::Forward);
    if (target)
        target->setEnabled(enabled);
}

void BrowserChrome::startBusy()
{
    m_animation.start();
}

void BrowserChrome::stopBusy()
{
    m_animation.stop();
}
