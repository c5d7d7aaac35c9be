#pragma once

#include <QList>
#include <QString>

// One listed entry of a Favorites folder: a sub-folder or an Internet shortcut (caption
// without ".url").
struct FavoritesEntry
{
    QString caption;
    bool folder = false;
    bool operator==(const FavoritesEntry &) const = default;
};

// Which entries of a Favorites folder are shown, and how. The rule was made for Windows file
// attributes; this is the one place that maps them onto Linux:
//   hidden    = the name begins with "."
//   read-only = the owner may not write the entry
//   system    = anything that is neither a regular file nor a directory (devices, pipes,
//               sockets, broken links); links count as what they point to
//   archive   = a regular file
// A folder is listed only when it is a directory and nothing else (not hidden, not
// read-only); a file only when it is a regular file and nothing else. Files whose lower-cased
// name contains ".lnk" are skipped, and a file's caption is its name up to the first ".url"
// (News.URL gives News, a.url.url gives a); files without ".url" in their name are skipped, as
// there would be no shortcut to open behind them. Folders come first, then shortcuts, each in
// locale-aware order that ignores case.
namespace FavoritesListing {
QList<FavoritesEntry> list(const QString &folder);
// The caption of a file name, or empty when the file is not listed by name.
QString shortcutCaption(const QString &fileName);
}
