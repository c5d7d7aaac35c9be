#pragma once

#include <QString>

// The product's own start page, built into the program: the default homepage. It goes by a
// readable address; the engine loads it from the program's resources.
inline QString productStartPage()
{
    return QStringLiteral("about:start");
}

// Where the engine finds the start page.
inline QString startPageResource()
{
    return QStringLiteral("qrc:/pages/start.html");
}

// The address the engine is to load for an address the user sees.
inline QString engineAddressOf(const QString &address)
{
    return address.trimmed().compare(productStartPage(), Qt::CaseInsensitive) == 0 ? startPageResource() : address;
}

// The address the user sees for an address the engine shows.
inline QString shownAddressOf(const QString &address)
{
    return address == startPageResource() ? productStartPage() : address;
}
