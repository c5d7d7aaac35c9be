#pragma once

#include <QString>

// The escapes of form data files. A line is name "=" value, so every "=" in a name or value is
// written as "%3D" ("%" itself is not escaped); text-area values drop CR and write each LF as
// "<KBBR>" before that. A line holds no line break: those of other names and values are left
// out, so a page cannot slip lines of its own into the file through a field's name.
namespace FormDataEscapes {
inline const QString EqualsEscape = QStringLiteral("%3D");
inline const QString LineBreakEscape = QStringLiteral("<KBBR>");

QString escape(const QString &text);
QString unescape(const QString &text);
QString escapeTextArea(const QString &text);
// "%3D" back into "=" and "<KBBR>" into CR LF.
QString unescapeTextArea(const QString &text);
// A file path as it is written: line breaks left out, nothing escaped.
QString fileValue(const QString &path);
}
