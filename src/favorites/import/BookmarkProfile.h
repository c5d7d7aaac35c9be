#pragma once

#include <QString>

// A profile of another browser whose bookmarks can be imported.
struct BookmarkProfile
{
    enum class Kind { Firefox, Chromium };
    Kind kind = Kind::Firefox;
    // "Firefox", "Chromium" or "Google Chrome".
    QString browser;
    // The profile folder's name ("Default", "abcd1234.default-release").
    QString profile;
    // places.sqlite or Bookmarks.
    QString file;
};
