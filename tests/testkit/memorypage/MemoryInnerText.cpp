#include "testkit/memorypage/MemoryInnerText.h"

#include "testkit/memorypage/MemoryElement.h"
#include "testkit/memorypage/MemoryText.h"

#include <algorithm>
#include <vector>

namespace {
bool tagIn(const MemoryElement &element, std::initializer_list<const char *> tags)
{
    return std::any_of(tags.begin(), tags.end(),
                       [&element](const char *tag) { return element.hasTag(QLatin1String(tag)); });
}

bool isHidden(const MemoryElement &element)
{
    if (tagIn(element, {"HEAD", "SCRIPT", "STYLE", "TITLE", "META", "LINK", "TEMPLATE", "NOSCRIPT",
                        "PARAM", "DATALIST", "AREA", "INPUT", "TEXTAREA", "IMG", "IFRAME", "FRAME",
                        "FRAMESET", "OBJECT", "EMBED", "VIDEO", "AUDIO", "CANVAS"}))
        return true;
    QString style = element.attribute(QStringLiteral("style")).toLower();
    style.remove(QLatin1Char(' '));
    return element.hasAttribute(QStringLiteral("hidden")) || style.contains(QLatin1String("display:none"));
}

bool isBlock(const MemoryElement &element)
{
    return tagIn(element, {"ADDRESS", "ARTICLE", "ASIDE", "BLOCKQUOTE", "BODY", "CAPTION", "CENTER",
                           "DD", "DETAILS", "DIALOG", "DIR", "DIV", "DL", "DT", "FIELDSET",
                           "FIGCAPTION", "FIGURE", "FOOTER", "FORM", "H1", "H2", "H3", "H4", "H5",
                           "H6", "HEADER", "HGROUP", "HR", "HTML", "LEGEND", "LI", "LISTING", "MAIN",
                           "MENU", "NAV", "OL", "P", "PLAINTEXT", "PRE", "SECTION", "SUMMARY",
                           "TABLE", "UL", "XMP"});
}

bool keepsWhiteSpace(const MemoryElement &element)
{
    return tagIn(element, {"PRE", "LISTING", "XMP", "PLAINTEXT"});
}

std::shared_ptr<MemoryElement> nextElementSibling(const MemoryElement &element)
{
    const auto parent = element.parent();
    if (!parent)
        return nullptr;
    const auto &siblings = parent->children();
    for (std::size_t i = parent->indexOf(element) + 1; i < siblings.size(); ++i) {
        if (auto sibling = std::dynamic_pointer_cast<MemoryElement>(siblings[i]))
            return sibling;
    }
    return nullptr;
}

bool isLastCell(const MemoryElement &cell)
{
    for (auto next = nextElementSibling(cell); next; next = nextElementSibling(*next)) {
        if (tagIn(*next, {"TD", "TH"}))
            return false;
    }
    return true;
}

bool containsRow(const MemoryElement &element)
{
    return std::any_of(element.children().begin(), element.children().end(), [](const auto &child) {
        const auto row = std::dynamic_pointer_cast<MemoryElement>(child);
        return row && row->hasTag(QLatin1String("TR"));
    });
}

// The last row of its table: no later row beside it or in a later row group.
bool isLastRow(const MemoryElement &row)
{
    for (auto next = nextElementSibling(row); next; next = nextElementSibling(*next)) {
        if (next->hasTag(QLatin1String("TR")))
            return false;
    }
    const auto group = row.parent();
    if (!group || group->hasTag(QLatin1String("TABLE")))
        return true;
    for (auto next = nextElementSibling(*group); next; next = nextElementSibling(*next)) {
        if (containsRow(*next))
            return false;
    }
    return true;
}

// Collects text and required line breaks, collapsing white space as the layout does.
class InnerTextWriter
{
public:
    void write(const MemoryElement &element, bool preserve)
    {
        for (const auto &child : element.children()) {
            if (const auto *text = dynamic_cast<const MemoryText *>(child.get()))
                preserve ? addPreserved(text->text()) : addCollapsible(text->text());
            else if (const auto *childElement = dynamic_cast<const MemoryElement *>(child.get()))
                writeElement(*childElement, preserve);
        }
    }

    QString result()
    {
        while (!m_items.empty() && m_items.back().breaks > 0)
            m_items.pop_back();
        QString text;
        for (const Item &item : m_items) {
            if (item.breaks == 0)
                text += item.text;
            else if (!text.isEmpty())
                text += QString(item.breaks, QLatin1Char('\n'));
        }
        return text;
    }

private:
    struct Item
    {
        QString text;
        int breaks = 0;
    };

    void writeElement(const MemoryElement &element, bool preserve)
    {
        if (isHidden(element))
            return;
        if (element.hasTag(QLatin1String("BR"))) {
            addLineStart(QStringLiteral("\n"));
            return;
        }
        if (element.hasTag(QLatin1String("SELECT"))) {
            for (const auto &option : element.options()) {
                addBreaks(1);
                addCollapsible(option->textContent());
                addBreaks(1);
            }
            return;
        }
        const int breaks = element.hasTag(QLatin1String("P")) ? 2 : (isBlock(element) ? 1 : 0);
        addBreaks(breaks);
        write(element, preserve || keepsWhiteSpace(element));
        if (tagIn(element, {"TD", "TH"}) && !isLastCell(element))
            addLineStart(QStringLiteral("\t"));
        if (element.hasTag(QLatin1String("TR")) && !isLastRow(element))
            addLineStart(QStringLiteral("\n"));
        addBreaks(breaks);
    }

    void addBreaks(int count)
    {
        if (count == 0)
            return;
        m_pendingSpace = false;
        m_lineHasText = false;
        if (!m_items.empty() && m_items.back().breaks > 0)
            m_items.back().breaks = std::max(m_items.back().breaks, count);
        else
            m_items.push_back({QString(), count});
    }

    // Text after which white space at the start of the following text is dropped.
    void addLineStart(const QString &text)
    {
        m_pendingSpace = false;
        m_lineHasText = false;
        m_items.push_back({text, 0});
    }

    void addCollapsible(const QString &text)
    {
        QString out;
        for (const QChar c : text) {
            if (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f') {
                m_pendingSpace = m_lineHasText;
                continue;
            }
            if (m_pendingSpace)
                out += QLatin1Char(' ');
            out += c;
            m_pendingSpace = false;
            m_lineHasText = true;
        }
        if (!out.isEmpty())
            m_items.push_back({out, 0});
    }

    void addPreserved(const QString &text)
    {
        if (text.isEmpty())
            return;
        m_pendingSpace = false;
        m_lineHasText = !text.endsWith(QLatin1Char('\n'));
        m_items.push_back({text, 0});
    }

    std::vector<Item> m_items;
    bool m_pendingSpace = false;
    bool m_lineHasText = false;
};
}

QString MemoryInnerText::of(const MemoryElement &element)
{
    InnerTextWriter writer;
    writer.write(element, keepsWhiteSpace(element));
    return writer.result();
}
