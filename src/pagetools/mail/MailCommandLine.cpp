#include "pagetools/mail/MailCommandLine.h"

MailCommandLine MailCommandLine::split(const QString &commandLine)
{
    if (commandLine.startsWith(QLatin1Char('"'))) {
        const qsizetype close = commandLine.indexOf(QLatin1Char('"'), 1);
        if (close < 0)
            return {commandLine.mid(1), QString()};
        const QString parameters = close < commandLine.size() - 2 ? commandLine.mid(close + 1) : QString();
        return {commandLine.mid(1, close - 1), parameters};
    }
    const qsizetype blank = commandLine.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return {commandLine, QString()};
    return {commandLine.left(blank), commandLine.mid(blank)};
}
