#pragma once

#include "favorites/import/BookmarkNode.h"

#include <optional>

// Firefox's bookmarks from a places.sqlite file. Firefox keeps the file locked while it runs,
// so it is copied (with its write-ahead log) to a private folder and the copy is opened
// read-only. The menu, toolbar, other and mobile folders become the top folders; tags,
// separators and Firefox's own query entries ("place:") are left out.
namespace FirefoxBookmarks {
// A folder holding the top folders; nothing when the file cannot be read as Firefox's.
std::optional<BookmarkNode> read(const QString &placesFile);
}
