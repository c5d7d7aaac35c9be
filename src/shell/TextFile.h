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
// True when the whole file was written.
bool writeLines(const QString &path, const QStringList &lines);
}
