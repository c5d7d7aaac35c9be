#pragma once

#include "testkit/memorypage/MemoryNode.h"
#include "testkit/memorypage/MemoryTextStyle.h"

#include <QList>
#include <QString>
#include <memory>

// A text node. Each character carries the formatting that editing commands gave it on top of
// what the surrounding elements give.
class MemoryText final : public MemoryNode
{
public:
    explicit MemoryText(const QString &text);

    const QString &text() const { return m_text; }
    const MemoryTextStyle &formatAt(int index) const { return m_formats.at(index); }
    void setFormatAt(int index, const MemoryTextStyle &format) { m_formats[index] = format; }

    void insert(int index, const QString &text, const MemoryTextStyle &format);
    void remove(int index, int count);
    // Cuts the text from `index` on into a new node (not yet placed in the tree).
    std::shared_ptr<MemoryText> splitOff(int index);

private:
    QString m_text;
    QList<MemoryTextStyle> m_formats;
};
