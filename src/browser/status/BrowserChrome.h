#pragma once

#include <QString>

class BusyAnimation;
class CommandRegistry;
class QComboBox;
class QWidget;
class StatusArea;

// The parts of the main window that show the state of the active page: the window caption,
// the address box, the status area (text, gauge, lock), the busy animation and the back and
// forward commands. The tab set and the page events change them only through here.
class BrowserChrome
{
public:
    BrowserChrome(QWidget &window, StatusArea &status, BusyAnimation &animation, QComboBox &address,
                  CommandRegistry &commands);

    // True when the first five characters of the address, lower-cased, are "https".
    static bool isSecureAddress(const QString &address);

    void setWindowCaption(const QString &caption);
    void setStatusText(const QString &text);
    void setProgress(int percent);
    // The address box shows the address; the lock shows exactly for a secure one.
    void showAddress(const QString &address);
    // The active page reached an address: shown as by showAddress, except that text the user
    // is typing in the box stays, and a box holding the keyboard shows the address selected.
    void showPageAddress(const QString &address);
    // The caret into the address box with its whole text selected, so typing replaces it.
    void focusAddress();
    bool addressHasFocus() const;
    // Enables back (command 2) or forward (command 1) on every control; others are ignored.
    void setHistoryCommand(int command, bool enabled);
    // The busy animation; Stop can be chosen exactly while it plays.
    void startBusy();
    void stopBusy();

private:
    void setStopEnabled(bool enabled);

    QWidget &m_window;
    StatusArea &m_status;
    BusyAnimation &m_animation;
    QComboBox &m_address;
    CommandRegistry &m_commands;
};
