#include "pagetools/mail/MailButton.h"

#include "pagetools/mail/MailSettings.h"
#include "pagetools/mail/MailtoLink.h"
#include "platform/ShellWords.h"
#include "ui/CommandIds.h"
#include "ui/CommandRegistry.h"
#include "ui/Prompter.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QMenu>
#include <QProcess>

MailButton::MailButton(SettingsStore &store, Prompter &prompter, CommandRegistry &commands, Services services)
    : m_store(store), m_prompter(prompter), m_services(std::move(services)), m_pmMail(std::make_unique<QMenu>())
{
    m_pmMail->setObjectName(QStringLiteral("pmMail"));
    Command *mail = commands.add(CommandIds::Mail, QStringLiteral("Mail"), QStringLiteral("Send mail"), QKeySequence(),
                                 [this] { SendMail(); });
    if (mail)
        mail->setMenu(m_pmMail.get());
    m_pmMail->addAction(QStringLiteral("&Send Mail"), this, [this] { SendMail(); });
    m_pmMail->addSeparator();
    m_pmMail->addAction(QStringLiteral("Send Page as &Link"), this, [this] { SendPageAsLink(); });
    m_pmMail->addSeparator();
    m_pmMail->addAction(QStringLiteral("&Mail Settings"), this, [this] { m_services.openMailSettings(); });
}

MailButton::~MailButton() = default;

void MailButton::SendMail()
{
    const MailSettings settings = MailSettings::read(m_store, MailSettings::NotConfigured);
    switch (settings.action) {
    case MailSettings::NotConfigured:
        m_services.openMailSettings();
        break;
    case MailSettings::LaunchProgram:
        // A program that is gone makes the button do nothing.
        if (settings.program.isEmpty() || !QFileInfo::exists(settings.program))
            return;
        if (!m_services.launch(settings.program, ShellWords::split(settings.parameters))) {
            m_prompter.message(LaunchFailed);
            m_services.openMailSettings();
        }
        break;
    case MailSettings::WebMail:
        if (!settings.url.isEmpty())
            m_services.addBrowserTab(settings.url);
        break;
    default:
        break;
    }
}

void MailButton::SendPageAsLink()
{
    const QString address = m_services.addressText();
    if (address.isEmpty())
        return;
    // The engine does not open mailto: addresses; the desktop hands them to the mail program.
    m_services.openUrl(QUrl(MailtoLink::forPage(m_services.pageTitle(), address)));
}

bool MailButton::launchDetached(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

void MailButton::openWithDesktop(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}
