#include "ui/options/KestrelOptions.h"

#include "ui/CommandIds.h"
#include "ui/CommandRegistry.h"
#include "ui/options/KBOptions.h"
#include "ui/options/TfrmKBOptions.h"

KestrelOptions::KestrelOptions(QWidget *window, SettingsStore &store, Prompter &prompter, CommandRegistry &commands,
                               const QString &dataFolder, const QString &executable,
                               MailButton::Services mailServices)
    : m_window(window), m_store(store), m_prompter(prompter), m_dataFolder(dataFolder), m_executable(executable)
{
    commands.add(CommandIds::KestrelOptions, QStringLiteral("&Kestrel Browser Options"),
                 QStringLiteral("Kestrel Browser settings"), QKeySequence(),
                 [this] { ShowOptions(TfrmKBOptions::GeneralPage); });
    mailServices.openMailSettings = [this] { ShowOptions(TfrmKBOptions::MailPage); };
    m_mail = std::make_unique<MailButton>(store, prompter, commands, std::move(mailServices));
}

KestrelOptions::~KestrelOptions() = default;

void KestrelOptions::ShowOptions(int page)
{
    KBOptions options(m_store, m_prompter, m_defaultBrowser, m_executable, m_dataFolder);
    TfrmKBOptions::run(options, m_prompter, page, m_window);
}
