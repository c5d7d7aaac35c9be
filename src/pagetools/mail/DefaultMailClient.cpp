#include "pagetools/mail/DefaultMailClient.h"

#include "platform/DesktopEntry.h"
#include "platform/MimeApps.h"
#include "ui/Prompter.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace DefaultMailClient {

std::optional<MailCommandLine> find()
{
    const QString desktopId = MimeApps::defaultApplication(QStringLiteral("x-scheme-handler/mailto"));
    if (desktopId.isEmpty())
        return std::nullopt;
    // A default whose file holds no command names no program.
    const std::optional<QString> exec = DesktopEntry::readExec(MimeApps::desktopFilePath(desktopId));
    MailCommandLine command = MailCommandLine::split(DesktopEntry::withoutFieldCodes(exec.value_or(QString())));
    if (!command.program.isEmpty() && !command.program.contains(QLatin1Char('/'))) {
        const QString found = QStandardPaths::findExecutable(command.program);
        if (!found.isEmpty())
            command.program = found;
    }
    return command;
}

std::optional<MailCommandLine> choose(Prompter &prompter)
{
    const std::optional<MailCommandLine> command = find();
    if (!command) {
        prompter.message(NoClient);
        return std::nullopt;
    }
    if (command->program.isEmpty() || !QFileInfo(command->program).isFile()) {
        prompter.message(ProgramNotFound);
        return std::nullopt;
    }
    return command;
}

}
