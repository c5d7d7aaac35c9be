#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>

class CommandRegistry;
class Prompter;
class QMenu;
class SettingsStore;

// The Mail button and its menu pmMail: the mail action ("&Send Mail": the mail program or the
// web-mail site, as "MailAction" says), the page mailed as a link through the desktop's mail
// handler, and the mail settings. Registers the Mail command, which carries pmMail.
class MailButton : public QObject
{
    Q_OBJECT
public:
    struct Services
    {
        // Opens the options dialog on its "Mail Button" page.
        std::function<void()> openMailSettings;
        // Opens an address in a new, active tab.
        std::function<void(const QString &address)> addBrowserTab;
        // The text of the address box and the active page's title.
        std::function<QString()> addressText;
        std::function<QString()> pageTitle;
        // Starts a program detached from this one; false when it could not be started.
        std::function<bool(const QString &program, const QStringList &arguments)> launch;
        // Hands an address to the desktop (mailto: to the user's mail program).
        std::function<void(const QUrl &url)> openUrl;
    };

    static inline const QString LaunchFailed = QStringLiteral("Mail program launch failed.  Please select again.");

    MailButton(SettingsStore &store, Prompter &prompter, CommandRegistry &commands, Services services);
    ~MailButton() override;

    QMenu *pmMail() const { return m_pmMail.get(); }

    // "&Send Mail" and the Mail button.
    void SendMail();
    // "Send Page as &Link".
    void SendPageAsLink();

    // Production services: detached processes and the desktop's URL handling.
    static bool launchDetached(const QString &program, const QStringList &arguments);
    static void openWithDesktop(const QUrl &url);

private:
    SettingsStore &m_store;
    Prompter &m_prompter;
    Services m_services;
    std::unique_ptr<QMenu> m_pmMail;
};
