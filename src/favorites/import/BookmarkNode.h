#pragma once

#include <QList>
#include <QString>

// A bookmark or a folder of bookmarks read from another browser's profile.
struct BookmarkNode
{
    QString title;
    QString url;
    bool folder = false;
    QList<BookmarkNode> children;
    bool operator==(const BookmarkNode &) const = default;
};
