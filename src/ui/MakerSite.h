#pragma once

#include <QString>

// Pages on the maker's web site: the online help and the product's home page.
namespace MakerSite {
inline QString address(const QString &path)
{
    return QStringLiteral("https://www.kestrelbrowser.org") + path;
}
}
