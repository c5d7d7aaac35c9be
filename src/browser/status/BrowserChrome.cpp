#include "browser/status/BrowserChrome.h"

#include "browser/CommandState.h"
#include "browser/status/BusyAnimation.h"
#include "browser/status/StatusArea.h"
#include "ui/CommandIds.h"
#include "ui/CommandRegistry.h"

#include <QComboBox>
#include <QLineEdit>
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

void BrowserChrome::showPageAddress(const QString &address)
{
    if (!addressHasFocus()) {
        showAddress(address);
        return;
    }
    if (!m_address.lineEdit() || !m_address.lineEdit()->isModified()) {
        showAddress(address);
        if (m_address.lineEdit())
            m_address.lineEdit()->selectAll();
        return;
    }
    m_status.setLockShown(isSecureAddress(address));
}

void BrowserChrome::focusAddress()
{
    m_address.setFocus(Qt::ShortcutFocusReason);
    if (m_address.lineEdit())
        m_address.lineEdit()->selectAll();
}

bool BrowserChrome::addressHasFocus() const
{
    const QWidget *focus = m_window.focusWidget();
    return focus && (focus == &m_address || m_address.isAncestorOf(focus));
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
    setStopEnabled(true);
}

void BrowserChrome::stopBusy()
{
    m_animation.stop();
    setStopEnabled(false);
}

void BrowserChrome::setStopEnabled(bool enabled)
{
    if (Command *stop = m_commands.find(CommandIds::Stop))
        stop->setEnabled(enabled);
}
