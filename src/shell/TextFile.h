#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Data files are read whole and written whole. Reading accepts CR LF, LF or CR line ends and
// reads text that is not valid UTF-8 as Windows-1252; writing is atomic (a crash mid-write
// leaves the old file) and uses UTF-8 with CR LF after every line.
namespace TextFile {
// The lines of the file, or nothing when it cannot be read.
std::optional<QStringList> readLines(const QString &path);
// The lines of a small text file from outside: nothing when it is not a regular file, is larger
// than maxBytes or holds a NUL byte (binary), so a stray device, pipe or huge file costs nothing.
std::optional<QStringList> readSmallTextLines(const QString &path, qint64 maxBytes);
// True when the whole file was written; on failure the old file is left as it was. Files read
// by other programs (desktop entries) take LF line ends instead. Files of the data folder keep
// their previous version as NAME.bak, written atomically too, so the last good list survives a
// save of a damaged one; files elsewhere (shortcuts, the user's own files) get no copy.
enum class LineEnd { CrLf, Lf };
bool writeLines(const QString &path, const QStringList &lines, LineEnd lineEnd = LineEnd::CrLf);
QString backupPath(const QString &path);
// Removes the half-written files that runs ended in the middle of a write left in the folder
// (NAME.kestrel-tmp-XXXXXX); the files they were to replace are whole. Gives how many went.
int removeStaleTemporaries(const QString &folder);
// The text of bytes read from a file: UTF-8 (a leading byte-order mark dropped), or
// Windows-1252 when the bytes are not valid UTF-8.
QString decode(const QByteArray &bytes);
// Lines split at CR LF, LF or CR; a line end at the very end adds no empty line.
QStringList splitLines(const QString &text);

// Makes reads or writes of the paths it answers true for fail, as an unreadable file or a full
// disk would; tests use it, the program never sets it. An empty function removes it.
enum class Access { Read, Write };
using Fault = std::function<bool(const QString &path, Access access)>;
void setFault(Fault fault);
}
