#include "favorites/import/BookmarkProfiles.h"

#include <QDir>
#include <QFileInfo>

namespace {
struct Location
{
    BookmarkProfile::Kind kind;
    const char *browser;
    const char *folder;
    const char *file;
};

const Location Locations[] = {
    {BookmarkProfile::Kind::Firefox, "Firefox", ".mozilla/firefox", "places.sqlite"},
    {BookmarkProfile::Kind::Firefox, "Firefox", "snap/firefox/common/.mozilla/firefox", "places.sqlite"},
    {BookmarkProfile::Kind::Chromium, "Chromium", ".config/chromium", "Bookmarks"},
    {BookmarkProfile::Kind::Chromium, "Chromium", "snap/chromium/common/chromium", "Bookmarks"},
    {BookmarkProfile::Kind::Chromium, "Google Chrome", ".config/google-chrome", "Bookmarks"},
};
}

namespace BookmarkProfiles {

QList<BookmarkProfile> find(const QString &home)
{
    QList<BookmarkProfile> profiles;
    for (const Location &location : Locations) {
        const QDir folder(home + QLatin1Char('/') + QLatin1String(location.folder));
        const QStringList names = folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        for (const QString &name : names) {
            const QString file = folder.filePath(name) + QLatin1Char('/') + QLatin1String(location.file);
            if (QFileInfo(file).isFile())
                profiles.append(BookmarkProfile{location.kind, QLatin1String(location.browser), name, file});
        }
    }
    return profiles;
}

BookmarkProfile ofFile(const QString &file)
{
    const QFileInfo info(file);
    const bool firefox = info.fileName().compare(QLatin1String("places.sqlite"), Qt::CaseInsensitive) == 0;
    return BookmarkProfile{firefox ? BookmarkProfile::Kind::Firefox : BookmarkProfile::Kind::Chromium,
                           firefox ? QStringLiteral("Firefox") : QStringLiteral("Chromium"),
                           info.dir().dirName(), file};
}

}
