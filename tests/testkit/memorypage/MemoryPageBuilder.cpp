#include "testkit/memorypage/MemoryPageBuilder.h"

#include "testkit/memorypage/MemoryDocument.h"
#include "testkit/memorypage/MemoryElement.h"
#include "testkit/memorypage/MemoryPageFocus.h"
#include "testkit/memorypage/MemoryText.h"

#include <QHash>
#include <QXmlStreamEntityResolver>
#include <QXmlStreamReader>
#include <vector>

namespace {
// Frames inside frames stop here, so a page that shows itself cannot recurse for ever.
constexpr int maximumFrameDepth = 8;

// The HTML entities pages commonly use, which XML does not declare.
class HtmlEntityResolver final : public QXmlStreamEntityResolver
{
public:
    QString resolveUndeclaredEntity(const QString &name) override
    {
        static const QHash<QString, char16_t> entities = {
            {QStringLiteral("nbsp"), 0x00A0}, {QStringLiteral("copy"), 0x00A9},
            {QStringLiteral("reg"), 0x00AE}, {QStringLiteral("trade"), 0x2122},
            {QStringLiteral("mdash"), 0x2014}, {QStringLiteral("ndash"), 0x2013},
            {QStringLiteral("hellip"), 0x2026}, {QStringLiteral("laquo"), 0x00AB},
            {QStringLiteral("raquo"), 0x00BB}, {QStringLiteral("lsquo"), 0x2018},
            {QStringLiteral("rsquo"), 0x2019}, {QStringLiteral("ldquo"), 0x201C},
            {QStringLiteral("rdquo"), 0x201D}, {QStringLiteral("middot"), 0x00B7},
            {QStringLiteral("bull"), 0x2022}, {QStringLiteral("euro"), 0x20AC},
            {QStringLiteral("pound"), 0x00A3}, {QStringLiteral("deg"), 0x00B0},
            {QStringLiteral("times"), 0x00D7}, {QStringLiteral("shy"), 0x00AD}};
        const auto found = entities.constFind(name);
        return found == entities.constEnd() ? QString() : QString(QChar(*found));
    }
};

std::shared_ptr<MemoryElement> parse(const QString &markup)
{
    QXmlStreamReader reader(markup);
    HtmlEntityResolver resolver;
    reader.setEntityResolver(&resolver);
    std::shared_ptr<MemoryElement> root;
    std::vector<std::shared_ptr<MemoryElement>> open;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            auto element = std::make_shared<MemoryElement>(reader.name().toString());
            for (const QXmlStreamAttribute &attribute : reader.attributes())
                element->setAttribute(attribute.name().toString(), attribute.value().toString());
            if (open.empty())
                root = element;
            else
                open.back()->appendChild(element);
            open.push_back(element);
            break;
        }
        case QXmlStreamReader::EndElement:
            open.pop_back();
            break;
        case QXmlStreamReader::Characters: {
            if (open.empty())
                break;
            QString text = reader.text().toString();
            // The HTML parser drops a line feed that directly follows these start tags.
            const auto &parent = open.back();
            if (parent->children().empty() && text.startsWith(QLatin1Char('\n'))
                && (parent->hasTag(QLatin1String("PRE")) || parent->hasTag(QLatin1String("LISTING"))
                    || parent->hasTag(QLatin1String("TEXTAREA"))))
                text.remove(0, 1);
            if (!text.isEmpty())
                parent->appendChild(std::make_shared<MemoryText>(text));
            break;
        }
        default:
            break;
        }
    }
    return reader.hasError() ? nullptr : root;
}

// Gives the tree the HTML, HEAD-or-not and BODY structure every document has.
std::shared_ptr<MemoryElement> completeStructure(std::shared_ptr<MemoryElement> root)
{
    auto html = root;
    if (!root->hasTag(QLatin1String("HTML"))) {
        html = std::make_shared<MemoryElement>(QStringLiteral("HTML"));
        html->appendChild(root);
    }
    for (const auto &child : html->children()) {
        const auto element = std::dynamic_pointer_cast<MemoryElement>(child);
        if (element && (element->hasTag(QLatin1String("BODY")) || element->hasTag(QLatin1String("FRAMESET"))))
            return html;
    }
    auto body = std::make_shared<MemoryElement>(QStringLiteral("BODY"));
    const auto children = html->children();
    for (const auto &child : children) {
        const auto element = std::dynamic_pointer_cast<MemoryElement>(child);
        if (element && element->hasTag(QLatin1String("HEAD")))
            continue;
        html->removeChild(*child);
        body->appendChild(child);
    }
    html->appendChild(body);
    return html;
}
}

MemoryPageBuilder::MemoryPageBuilder(QMap<QString, QString> subPages, std::shared_ptr<MemoryPageFocus> pageFocus)
    : m_subPages(std::move(subPages)), m_pageFocus(std::move(pageFocus))
{
}

std::shared_ptr<MemoryDocument> MemoryPageBuilder::build(const QString &markup, const QUrl &url,
                                                         const QMap<QString, QString> &subPages)
{
    MemoryPageBuilder builder(subPages, std::make_shared<MemoryPageFocus>());
    return builder.buildDocument(markup, url, 0);
}

std::shared_ptr<MemoryDocument> MemoryPageBuilder::buildDocument(const QString &markup, const QUrl &url, int depth)
{
    const auto root = parse(markup);
    if (!root)
        return nullptr;
    auto document = std::make_shared<MemoryDocument>(url.toString(), m_pageFocus);
    document->setRoot(completeStructure(root));
    for (const auto &element : document->elements()) {
        element->resetFieldValue();
        element->resetSelectedOptions();
        if ((element->hasTag(QLatin1String("FRAME")) || element->hasTag(QLatin1String("IFRAME")))
            && !loadFrame(*element, url, depth))
            return nullptr;
    }
    return document;
}

bool MemoryPageBuilder::loadFrame(MemoryElement &frame, const QUrl &base, int depth)
{
    const QString source = frame.attribute(QStringLiteral("src"));
    const QUrl url = source.isEmpty() ? QUrl(QStringLiteral("about:blank")) : base.resolved(QUrl(source));
    QString markup = m_subPages.value(source, m_subPages.value(url.fileName()));
    if (markup.isEmpty() || depth >= maximumFrameDepth)
        markup = QStringLiteral("<html><body/></html>");
    auto document = buildDocument(markup, url, depth + 1);
    if (!document)
        return false;
    document->setOwnerElement(frame.self());
    frame.setContentDocument(document);
    return true;
}
