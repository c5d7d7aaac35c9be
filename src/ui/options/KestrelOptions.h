#pragma once

#include "pagetools/mail/MailButton.h"
#include "shell/DefaultBrowser.h"

#include <QObject>
#include <QPointer>
#include <memory>

class CommandRegistry;
class Prompter;
class QWidget;
class SettingsStore;

// Options and mail: the "&Kestrel Browser Options" command with its dialog, and the Mail button
// whose unconfigured action and "&Mail Settings" open that dialog on its "Mail Button" page.
class KestrelOptions : public QObject
{
    Q_OBJECT
public:
    // The mail services but the settings opener, which is the dialog here.
    KestrelOptions(QWidget *window, SettingsStore &store, Prompter &prompter, CommandRegistry &commands,
                   const QString &dataFolder, const QString &executable, MailButton::Services mailServices);
    ~KestrelOptions() override;

    // Shows the options dialog modally on the page (TfrmKBOptions::Page).
    void ShowOptions(int page);
    MailButton &mail() { return *m_mail; }

private:
    QPointer<QWidget> m_window;
    SettingsStore &m_store;
    Prompter &m_prompter;
    QString m_dataFolder;
    QString m_executable;
    DefaultBrowser m_defaultBrowser;
    std::unique_ptr<MailButton> m_mail;
};
