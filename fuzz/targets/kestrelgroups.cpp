// kestrelgroups.dat as the groups menu, the group opener and the group manager's outline read it.
#include "FuzzSupport.h"
#include "favorites/KestrelGroupFile.h"
#include "favorites/KestrelGroupOutline.h"
#include "shell/TextFile.h"

#include <cstdlib>

namespace {
int countNodes(const QList<KestrelGroupOutline::Node> &nodes)
{
    int count = 0;
    for (const KestrelGroupOutline::Node &node : nodes)
        count += 1 + countNodes(node.children);
    return count;
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::initialize();
    const QStringList lines = TextFile::splitLines(TextFile::decode(FuzzSupport::bytes(data, size)));

    for (const QString &name : KestrelGroupFile::groupNames(lines)) {
        if (!KestrelGroupFile::sitesOf(lines, name) || !KestrelGroupFile::isTaken(lines, name))
            abort();
    }
    for (const QString &line : lines)
        KestrelGroupFile::siteAddress(line);

    // The manager writes back every node it read and every line it did not.
    const KestrelGroupOutline::Loaded loaded = KestrelGroupOutline::read(lines);
    const QStringList written = KestrelGroupOutline::write(loaded.nodes) + loaded.unread;
    if (written.size() != lines.size() || countNodes(loaded.nodes) + loaded.unread.size() != lines.size())
        abort();
    if (loaded.error.has_value() == loaded.unread.isEmpty())
        abort();
    const KestrelGroupOutline::Loaded again = KestrelGroupOutline::read(written);
    if (KestrelGroupOutline::write(again.nodes) + again.unread != written)
        abort();
    return 0;
}
