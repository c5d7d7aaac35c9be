#pragma once

#include <QString>

// An Internet shortcut file (".url"): its address is the value of the first line whose name
// (the text before the first "=") is "url" in any case, untrimmed. Files larger than a small
// limit, binary files and anything but a regular file give no address.
namespace ShortcutFile {
inline constexpr qint64 MaxBytes = 64 * 1024;

QString address(const QString &path);
// The file's lines for a new shortcut to the address.
QStringList lines(const QString &address);
}
