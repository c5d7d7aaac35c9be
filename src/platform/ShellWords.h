#pragma once

#include <QString>
#include <QStringList>

// Command-line text split into arguments as a POSIX shell splits words, without running
// anything: blanks separate words; single quotes keep everything up to the next one; double
// quotes keep blanks, and a backslash in them escapes only $ ` " \ and a line break; outside
// quotes a backslash keeps the next character. An unclosed quote runs to the end of the text.
namespace ShellWords {
QStringList split(const QString &text);
}
