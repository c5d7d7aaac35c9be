#pragma once

#include "favorites/import/BookmarkNode.h"
#include "favorites/import/BookmarkProfile.h"

#include <optional>

class Prompter;

// Imports one profile's bookmarks into the Favorites folder and tells the user how it went.
class BookmarkImport
{
public:
    explicit BookmarkImport(Prompter &prompter);

    static std::optional<BookmarkNode> read(const BookmarkProfile &profile);
    // True when the bookmarks were read and written.
    bool run(const BookmarkProfile &profile, const QString &favorites);

private:
    Prompter &m_prompter;
};
