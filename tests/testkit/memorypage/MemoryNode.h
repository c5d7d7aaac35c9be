#pragma once

#include <memory>

class MemoryElement;

// A node of an in-memory page document: an element or a run of text.
class MemoryNode
{
public:
    virtual ~MemoryNode() = default;

    std::shared_ptr<MemoryElement> parent() const { return m_parent.lock(); }
    void setParent(const std::shared_ptr<MemoryElement> &parent) { m_parent = parent; }

private:
    std::weak_ptr<MemoryElement> m_parent;
};
