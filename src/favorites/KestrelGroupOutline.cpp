#include "favorites/KestrelGroupOutline.h"

namespace KestrelGroupOutline {

namespace {
void writeNodes(const QList<Node> &nodes, int depth, QStringList &lines)
{
    for (const Node &node : nodes) {
        lines.append(QString(depth, QLatin1Char('\t')) + node.text);
        writeNodes(node.children, depth + 1, lines);
    }
}
}

Loaded read(const QStringList &lines)
{
    Loaded loaded;
    // The path of nodes from the top level down to the last node added.
    QList<QList<Node> *> siblingsAt;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        int level = 0;
        while (level < line.size() && (line.at(level) == QLatin1Char('\t') || line.at(level) == QLatin1Char(' ')))
            ++level;
        const QString text = line.mid(level);
        const int lastDepth = int(siblingsAt.size()) - 1;
        if (siblingsAt.isEmpty()) {
            siblingsAt.append(&loaded.nodes);
        } else if (level == lastDepth + 1) {
            siblingsAt.append(&siblingsAt.last()->last().children);
        } else if (level <= lastDepth) {
            siblingsAt.resize(level + 1);
        } else {
            loaded.error = QStringLiteral("Invalid level (") + QString::number(level) + QStringLiteral(") for item \"") +
                           text + QLatin1Char('"');
            loaded.unread = lines.mid(i);
            break;
        }
        siblingsAt.last()->append(Node{text, {}});
    }
    return loaded;
}

QStringList write(const QList<Node> &nodes)
{
    QStringList lines;
    writeNodes(nodes, 0, lines);
    return lines;
}

}
