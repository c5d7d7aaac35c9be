#pragma once

#include <QString>

// A mail program's command line split into the program and the parameters text. A line that
// begins with a double quote names the program up to the closing quote, and the parameters are
// what follows it (with its leading blank) unless the quote is among the last two characters.
// An unquoted line names the program up to its first blank, as desktop files write commands.
struct MailCommandLine
{
    QString program;
    QString parameters;

    static MailCommandLine split(const QString &commandLine);
};
