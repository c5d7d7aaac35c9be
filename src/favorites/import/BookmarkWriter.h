#pragma once

#include "favorites/import/BookmarkNode.h"

#include <QString>

// Writes imported bookmarks into the Favorites folder: a new folder "Imported from <browser>"
// (numbered when the name is taken) holding the folders as sub-folders and the bookmarks as
// Internet shortcuts. Titles are made into names the Favorites listing shows as they are:
// no "/", no control characters, no leading dot, no ".url" or ".lnk" inside, not too long,
// and unique within their folder. Nothing outside the new folder is written.
class BookmarkWriter
{
public:
    struct Result
    {
        // The new folder; empty when it could not be made.
        QString folder;
        int written = 0;
        int failed = 0;
    };

    static Result write(const BookmarkNode &top, const QString &favorites, const QString &browser);
    // The name a title gives in a folder whose names (lower-cased) are taken.
    static QString safeName(const QString &title, const QString &fallback, QStringList &takenLowerCase);

private:
    static void writeChildren(const BookmarkNode &folder, const QString &path, int depth, Result &result);
};
