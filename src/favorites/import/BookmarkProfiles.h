#pragma once

#include "favorites/import/BookmarkProfile.h"

#include <QList>

// The Firefox, Chromium and Google Chrome profiles with bookmarks under a home folder, in the
// places those browsers keep them on Linux (their own folders and their snap folders).
namespace BookmarkProfiles {
QList<BookmarkProfile> find(const QString &home);
// A profile for a file the user picked: "places.sqlite" is Firefox's, anything else is taken
// for a Chromium "Bookmarks" file.
BookmarkProfile ofFile(const QString &file);
}
