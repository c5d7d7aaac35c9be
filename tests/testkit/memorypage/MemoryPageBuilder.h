#pragma once

#include <QMap>
#include <QString>
#include <QUrl>
#include <memory>

class MemoryDocument;
class MemoryElement;
class MemoryPageFocus;

// Builds an in-memory page from well-formed XHTML. FRAME and IFRAME elements show the sub
// page their src attribute names ("name.html", looked up in the sub pages), or an empty
// document when there is none. Field values, check marks and select choices start as the
// markup gives them.
class MemoryPageBuilder
{
public:
    MemoryPageBuilder(QMap<QString, QString> subPages, std::shared_ptr<MemoryPageFocus> pageFocus);

    // The page's top-level document, or null when a page of it is not well-formed.
    static std::shared_ptr<MemoryDocument> build(const QString &markup, const QUrl &url,
                                                 const QMap<QString, QString> &subPages = {});

private:
    std::shared_ptr<MemoryDocument> buildDocument(const QString &markup, const QUrl &url, int depth);
    bool loadFrame(MemoryElement &frame, const QUrl &base, int depth);

    QMap<QString, QString> m_subPages;
    std::shared_ptr<MemoryPageFocus> m_pageFocus;
};
