#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// A desktop entry (.desktop file) that starts a program: the Linux form of a shell shortcut, and
// how a program offers itself as the handler of address schemes and file types.
struct DesktopEntry
{
    QString name{};
    QString program{};
    QString workingFolder{};
    // The field code the program takes its address or file with ("%u"); empty for none.
    QString argument{};
    // The types it handles ("x-scheme-handler/http"); written as the MimeType key when any.
    QStringList mimeTypes{};
    // Kept out of the desktop's menus (a handler entry, not a shortcut).
    bool noDisplay = false;

    // The file's lines, with the program quoted and every value escaped as desktop entries
    // require.
    QStringList lines() const;
    // Written atomically with LF line ends and marked executable, as launchers expect of
    // shortcuts they start.
    bool write(const QString &path) const;

    // The Exec value of a desktop file's [Desktop Entry] group with the string escapes undone,
    // or nothing when the file or the key is missing.
    static std::optional<QString> readExec(const QString &path);
    // The Exec arguments of such a value, unquoted and with "%%" read as "%"; field codes stay
    // as they are.
    static QStringList execArguments(const QString &exec);
    // An Exec value without its field codes ("%u", "%F", ...), "%%" turned back into "%".
    static QString withoutFieldCodes(const QString &exec);
};
