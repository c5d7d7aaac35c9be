#pragma once

#include <QMap>
#include <QString>
#include <memory>

class PageDocument;

// Builds a page for the PageDocument contract suite, which runs against the in-memory page and
// the real engine alike. Pages are well-formed HTML (XHTML syntax); frames and iframes name
// their sub pages by src="name.html", looked up in subPages.
class PageFixture
{
public:
    virtual ~PageFixture() = default;
    virtual QString name() const = 0;
    // The top-level document of the loaded page, or null when it could not be loaded.
    virtual std::shared_ptr<PageDocument> load(const QString &mainPage,
                                               const QMap<QString, QString> &subPages = {}) = 0;
};
