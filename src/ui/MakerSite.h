#pragma once

#include <QString>

// The maker's web site: the online help, the product's home page, the search-list update and
// the sponsor channel.
namespace MakerSite {
inline const QString Host = QStringLiteral("www.kestrelbrowser.org");

inline QString address(const QString &path)
{
    return QStringLiteral("https://") + Host + path;
}
}
