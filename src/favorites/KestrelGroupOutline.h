#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The group file as the manager reads and writes it: an outline where each line's leading TABs
// or blanks give its level. A line at the level of the node before it becomes that node's
// sibling, one level deeper its child, shallower a sibling of the ancestor at its level; the
// first line is always a top-level node. A line more than one level deeper than the node
// before it stops the reading with an error; the lines from there on are kept unread so that
// writing the outline back loses none of them.
namespace KestrelGroupOutline {
struct Node
{
    QString text;
    QList<Node> children;
};

struct Loaded
{
    QList<Node> nodes;
    // "Invalid level (<level>) for item "<text>"" when the reading stopped.
    std::optional<QString> error;
    // The lines from the one that stopped the reading to the end of the file.
    QStringList unread;
};

Loaded read(const QStringList &lines);
// One line per node, depth-first: as many TABs as the node's depth, then its text.
QStringList write(const QList<Node> &nodes);
}
