#pragma once

#include <QDateTime>
#include <QString>

// What the properties dialog shows of a page: the engine's title, address and visit time, and
// the document's own type, modification date and size.
struct PageProperties
{
    QString title;
    QString address;
    QString type;
    // As the document gives it; empty when unknown.
    QString modified;
    QDateTime visited;
    // Bytes of the document's markup as it is now; -1 when unknown.
    qint64 size = -1;
};
