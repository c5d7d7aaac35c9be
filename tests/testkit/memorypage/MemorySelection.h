#pragma once

#include "testkit/memorypage/MemoryTextStyle.h"

#include <memory>

class MemoryElement;

// The selection of one document of an in-memory page: nothing, the selection kept by a text
// field, a range inside a contenteditable region, or the whole document.
class MemorySelection
{
public:
    enum class Kind { None, Field, Editable, Document };

    Kind kind() const;
    // The text field or the editable host; null for the other kinds.
    std::shared_ptr<MemoryElement> element() const { return m_element.lock(); }
    // Offsets into the editable host's text (Editable only).
    int start() const { return m_start; }
    int end() const { return m_end; }
    bool isCollapsed() const { return m_start == m_end; }

    void clear();
    void selectField(const std::shared_ptr<MemoryElement> &field);
    void selectEditable(const std::shared_ptr<MemoryElement> &host, int start, int end);
    void selectDocument();

    // Formatting that commands gave the caret, for the text typed or pasted there next.
    const MemoryTextStyle &typingStyle() const { return m_typingStyle; }
    void setTypingStyle(const MemoryTextStyle &style) { m_typingStyle = style; }

private:
    void reset(Kind kind, const std::shared_ptr<MemoryElement> &element, int start, int end);

    Kind m_kind = Kind::None;
    std::weak_ptr<MemoryElement> m_element;
    int m_start = 0;
    int m_end = 0;
    MemoryTextStyle m_typingStyle;
};
