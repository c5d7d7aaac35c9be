#include "favorites/import/BookmarkImport.h"

#include "favorites/import/BookmarkWriter.h"
#include "favorites/import/ChromiumBookmarks.h"
#include "favorites/import/FirefoxBookmarks.h"
#include "ui/Prompter.h"

#include <QFileInfo>

BookmarkImport::BookmarkImport(Prompter &prompter) : m_prompter(prompter)
{
}

std::optional<BookmarkNode> BookmarkImport::read(const BookmarkProfile &profile)
{
    return profile.kind == BookmarkProfile::Kind::Firefox ? FirefoxBookmarks::read(profile.file)
                                                          : ChromiumBookmarks::read(profile.file);
}

bool BookmarkImport::run(const BookmarkProfile &profile, const QString &favorites)
{
    if (favorites.isEmpty()) {
        m_prompter.message(QStringLiteral("Favorites Unavailable"));
        return false;
    }
    const std::optional<BookmarkNode> bookmarks = read(profile);
    if (!bookmarks) {
        m_prompter.message(QStringLiteral("The bookmarks in \"") + profile.file +
                           QStringLiteral("\" could not be read."));
        return false;
    }
    const BookmarkWriter::Result result = BookmarkWriter::write(*bookmarks, favorites, profile.browser);
    if (result.folder.isEmpty()) {
        m_prompter.message(QStringLiteral("The folder for the imported bookmarks could not be made in \"") +
                           favorites + QStringLiteral("\"."));
        return false;
    }
    QString report = QString::number(result.written) + QStringLiteral(" bookmarks of ") + profile.browser +
                     QStringLiteral(" were imported into \"") + QFileInfo(result.folder).fileName() +
                     QStringLiteral("\".");
    if (result.failed > 0)
        report += QLatin1Char(' ') + QString::number(result.failed) + QStringLiteral(" could not be written.");
    m_prompter.message(report);
    return result.failed == 0;
}
