#include "testkit/memorypage/MemoryRichText.h"

#include "testkit/memorypage/MemoryElement.h"
#include "testkit/memorypage/MemoryText.h"

#include <QStringList>
#include <algorithm>

namespace {
bool tagIn(const MemoryElement &element, std::initializer_list<const char *> tags)
{
    return std::any_of(tags.begin(), tags.end(),
                       [&element](const char *tag) { return element.hasTag(QLatin1String(tag)); });
}

void applyMarkup(const MemoryElement &element, MemoryTextStyle &style)
{
    if (tagIn(element, {"B", "STRONG", "TH", "H1", "H2", "H3", "H4", "H5", "H6"}))
        style.bold = true;
    if (tagIn(element, {"I", "EM", "CITE", "VAR", "DFN", "ADDRESS"}))
        style.italic = true;
    if (tagIn(element, {"U", "INS"}))
        style.underline = true;
    if (element.hasTag(QLatin1String("FONT"))) {
        const QString face = element.attribute(QStringLiteral("face")).section(QLatin1Char(','), 0, 0).trimmed();
        if (!face.isEmpty())
            style.fontName = face;
        if (const auto size = MemoryTextStyle::parseFontSize(element.attribute(QStringLiteral("size"))))
            style.fontSize = size;
        const QColor colour = QColor::fromString(element.attribute(QStringLiteral("color")));
        if (colour.isValid())
            style.foreColor = colour;
    }
    if (element.hasTag(QLatin1String("BODY"))) {
        const QColor text = QColor::fromString(element.attribute(QStringLiteral("text")));
        if (text.isValid())
            style.foreColor = text;
    }
    if (tagIn(element, {"BODY", "TABLE", "TR", "TD", "TH"})) {
        const QColor background = QColor::fromString(element.attribute(QStringLiteral("bgcolor")));
        if (background.isValid())
            style.backColor = background;
    }
}

std::shared_ptr<MemoryElement> parentOf(const std::shared_ptr<MemoryText> &text,
                                        const std::shared_ptr<MemoryElement> &lineBreak)
{
    return text ? text->parent() : lineBreak->parent();
}
}

int MemoryRichText::Leaf::length() const
{
    return text ? static_cast<int>(text->text().size()) : 1;
}

MemoryRichText::MemoryRichText(std::shared_ptr<MemoryElement> root) : m_root(std::move(root))
{
}

QString MemoryRichText::text() const
{
    QString result;
    for (const Leaf &leaf : leaves())
        result += leaf.text ? leaf.text->text() : QStringLiteral("\n");
    return result;
}

int MemoryRichText::length() const
{
    const auto list = leaves();
    return list.empty() ? 0 : list.back().offset + list.back().length();
}

bool MemoryRichText::isBlank() const
{
    const auto &children = m_root->children();
    if (children.empty())
        return true;
    const auto *only = dynamic_cast<const MemoryElement *>(children.front().get());
    return children.size() == 1 && only && only->hasTag(QLatin1String("BR"));
}

QList<MemoryTextStyle> MemoryRichText::stylesIn(int start, int end) const
{
    QList<MemoryTextStyle> styles;
    forEachCharacter(start, end, [&styles](MemoryText &text, int index) {
        const auto parent = text.parent();
        MemoryTextStyle style = parent ? inheritedStyle(*parent) : MemoryTextStyle::plain();
        style.overlay(text.formatAt(index));
        styles.append(style);
    });
    return styles;
}

MemoryTextStyle MemoryRichText::styleAt(int caret) const
{
    for (const int position : {caret - 1, caret}) {
        const auto styles = stylesIn(position, position + 1);
        if (!styles.isEmpty())
            return styles.first();
    }
    return inheritedStyle(*m_root);
}

MemoryTextStyle MemoryRichText::formatBefore(int caret) const
{
    MemoryTextStyle format;
    forEachCharacter(caret - 1, caret, [&format](MemoryText &text, int index) { format = text.formatAt(index); });
    return format;
}

void MemoryRichText::format(int start, int end, const MemoryTextStyle &change)
{
    forEachCharacter(start, end, [&change](MemoryText &text, int index) {
        MemoryTextStyle format = text.formatAt(index);
        format.overlay(change);
        text.setFormatAt(index, format);
    });
}

void MemoryRichText::clearFormat(int start, int end)
{
    MemoryTextStyle base = inheritedStyle(*m_root);
    base.backColor.reset();
    forEachCharacter(start, end, [&base](MemoryText &text, int index) { text.setFormatAt(index, base); });
}

void MemoryRichText::remove(int start, int end)
{
    for (const Leaf &leaf : leaves()) {
        const int from = std::max(start, leaf.offset);
        const int to = std::min(end, leaf.offset + leaf.length());
        if (from >= to)
            continue;
        const auto parent = parentOf(leaf.text, leaf.lineBreak);
        if (leaf.text)
            leaf.text->remove(from - leaf.offset, to - from);
        if (parent && (!leaf.text || leaf.text->text().isEmpty())) {
            parent->removeChild(leaf.text ? static_cast<const MemoryNode &>(*leaf.text) : *leaf.lineBreak);
            removeIfEmpty(parent);
        }
    }
}

void MemoryRichText::removeIfEmpty(std::shared_ptr<MemoryElement> element)
{
    // Formatting elements whose text is gone go with it, as in the engine.
    while (element && element != m_root && element->children().empty()) {
        const auto parent = element->parent();
        if (!parent)
            return;
        parent->removeChild(*element);
        element = parent;
    }
}

void MemoryRichText::insert(int at, const QString &text, const MemoryTextStyle &format)
{
    if (text.isEmpty())
        return;
    const QStringList lines = text.split(QLatin1Char('\n'));
    const auto [node, index] = textPosition(at);
    node->insert(index, lines.first(), format);
    const auto parent = node->parent();
    if (lines.size() == 1 || !parent)
        return;
    const auto tail = node->splitOff(index + static_cast<int>(lines.first().size()));
    std::size_t position = parent->indexOf(*node) + 1;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        parent->insertChild(position++, std::make_shared<MemoryElement>(QStringLiteral("BR")));
        if (lines[i].isEmpty())
            continue;
        auto line = std::make_shared<MemoryText>(QString());
        line->insert(0, lines[i], format);
        parent->insertChild(position++, line);
    }
    if (!tail->text().isEmpty())
        parent->insertChild(position, tail);
}

MemoryTextStyle MemoryRichText::inheritedStyle(const MemoryElement &element)
{
    std::vector<const MemoryElement *> chain;
    for (const MemoryElement *node = &element; node; node = node->parent().get())
        chain.push_back(node);
    MemoryTextStyle style = MemoryTextStyle::plain();
    for (auto node = chain.rbegin(); node != chain.rend(); ++node)
        applyMarkup(**node, style);
    return style;
}

std::vector<MemoryRichText::Leaf> MemoryRichText::leaves() const
{
    std::vector<Leaf> list;
    int offset = 0;
    collectLeaves(*m_root, list, offset);
    return list;
}

void MemoryRichText::collectLeaves(const MemoryElement &element, std::vector<Leaf> &list, int &offset) const
{
    for (const auto &child : element.children()) {
        Leaf leaf;
        leaf.offset = offset;
        if (auto text = std::dynamic_pointer_cast<MemoryText>(child)) {
            leaf.text = text;
        } else if (auto childElement = std::dynamic_pointer_cast<MemoryElement>(child)) {
            if (!childElement->hasTag(QLatin1String("BR"))) {
                collectLeaves(*childElement, list, offset);
                continue;
            }
            leaf.lineBreak = childElement;
        } else {
            continue;
        }
        offset += leaf.length();
        list.push_back(leaf);
    }
}

std::pair<std::shared_ptr<MemoryText>, int> MemoryRichText::textPosition(int at)
{
    const auto list = leaves();
    for (const Leaf &leaf : list) {
        if (leaf.text && leaf.offset <= at && at <= leaf.offset + leaf.length())
            return {leaf.text, at - leaf.offset};
    }
    auto created = std::make_shared<MemoryText>(QString());
    if (list.empty()) {
        m_root->appendChild(created);
        return {created, 0};
    }
    // Between line breaks: a new text node goes before the first leaf or after the leaf that ends at `at`.
    const bool before = at <= list.front().offset;
    const auto neighbour = std::find_if(list.begin(), list.end(), [at](const Leaf &leaf) {
        return leaf.offset + leaf.length() >= at;
    });
    const Leaf &leaf = before ? list.front() : (neighbour != list.end() ? *neighbour : list.back());
    const auto parent = parentOf(leaf.text, leaf.lineBreak);
    const MemoryNode &node = leaf.text ? static_cast<const MemoryNode &>(*leaf.text) : *leaf.lineBreak;
    parent->insertChild(parent->indexOf(node) + (before ? 0 : 1), created);
    return {created, 0};
}

template<typename Visit>
void MemoryRichText::forEachCharacter(int start, int end, Visit visit) const
{
    for (const Leaf &leaf : leaves()) {
        if (!leaf.text)
            continue;
        const int from = std::max(start, leaf.offset);
        const int to = std::min(end, leaf.offset + leaf.length());
        for (int position = from; position < to; ++position)
            visit(*leaf.text, position - leaf.offset);
    }
}
