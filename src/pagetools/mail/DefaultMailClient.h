#pragma once

#include "pagetools/mail/MailCommandLine.h"

#include <QString>
#include <optional>

class Prompter;

// The desktop's default mail program: the x-scheme-handler/mailto default of the mimeapps lists
// and its desktop file's command without field codes, split into program and parameters. A
// program named without a folder is looked up in PATH, as launchers do.
namespace DefaultMailClient {
// Nothing when no mail client is set as the default.
std::optional<MailCommandLine> find();

inline const QString NoClient = QStringLiteral("No default mail client found.  Please select a file directly.");
inline const QString ProgramNotFound =
    QStringLiteral("Default mail program not found.  Please select a filename.");
// "Use Default": the default mail program when its file exists; otherwise nothing, after telling
// the user why.
std::optional<MailCommandLine> choose(Prompter &prompter);
}
