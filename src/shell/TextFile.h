#pragma once

#include <QString>
#include <QStringList>
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
// True when the whole file was written. Files read by other programs (desktop entries) take
// LF line ends instead.
enum class LineEnd { CrLf, Lf };
bool writeLines(const QString &path, const QStringList &lines, LineEnd lineEnd = LineEnd::CrLf);
// The text of bytes read from a file: UTF-8 (a leading byte-order mark dropped), or
// Windows-1252 when the bytes are not valid UTF-8.
QString decode(const QByteArray &bytes);
// Lines split at CR LF, LF or CR; a line end at the very end adds no empty line.
QStringList splitLines(const QString &text);
}
