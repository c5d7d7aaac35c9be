#pragma once

#include "favorites/import/BookmarkNode.h"

#include <optional>

// Chromium's and Google Chrome's bookmarks from a profile's "Bookmarks" file (JSON): the
// bookmark bar, other bookmarks and mobile bookmarks become the top folders.
namespace ChromiumBookmarks {
inline constexpr qint64 MaxBytes = 64 * 1024 * 1024;

// A folder holding the top folders; nothing when the file cannot be read as Chromium's.
std::optional<BookmarkNode> read(const QString &bookmarksFile);
}
