#pragma once

#include "testkit/memorypage/MemoryTextStyle.h"

#include <QList>
#include <QString>
#include <memory>
#include <vector>

class MemoryElement;
class MemoryText;

// The text below one element (an editable host, or the body) as the editing commands see it:
// the characters of its text nodes, each BR counting as one line feed, addressed by offset.
class MemoryRichText
{
public:
    explicit MemoryRichText(std::shared_ptr<MemoryElement> root);

    QString text() const;
    int length() const;
    // Nothing to select: no content at all, or one lone BR.
    bool isBlank() const;

    // How the characters of [start, end) are shown; line breaks have no style.
    QList<MemoryTextStyle> stylesIn(int start, int end) const;
    // How text at the caret is shown: like the character before it, else after it.
    MemoryTextStyle styleAt(int caret) const;
    // The editing formats of the character before the caret, which typed text continues.
    MemoryTextStyle formatBefore(int caret) const;

    // Sets the members `change` sets on the characters of [start, end).
    void format(int start, int end, const MemoryTextStyle &change);
    // Gives the characters of [start, end) the formatting of the root element.
    void clearFormat(int start, int end);
    void remove(int start, int end);
    // Inserts text at an offset; its line feeds become BR elements.
    void insert(int at, const QString &text, const MemoryTextStyle &format);

    // The formatting the markup gives text inside `element`.
    static MemoryTextStyle inheritedStyle(const MemoryElement &element);

private:
    struct Leaf
    {
        std::shared_ptr<MemoryText> text;
        std::shared_ptr<MemoryElement> lineBreak;
        int offset = 0;
        int length() const;
    };

    std::vector<Leaf> leaves() const;
    void removeIfEmpty(std::shared_ptr<MemoryElement> element);
    void collectLeaves(const MemoryElement &element, std::vector<Leaf> &list, int &offset) const;
    // The text node and index where text at `at` goes, made when no text node is there.
    std::pair<std::shared_ptr<MemoryText>, int> textPosition(int at);
    template<typename Visit>
    void forEachCharacter(int start, int end, Visit visit) const;

    std::shared_ptr<MemoryElement> m_root;
};
