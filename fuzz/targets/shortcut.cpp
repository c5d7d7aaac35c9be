// ".url" files dropped on or opened by the program.
#include "FuzzSupport.h"
#include "favorites/ShortcutFile.h"
#include "shell/TextFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::initialize();
    const QString path = FuzzSupport::writeFile(QStringLiteral("input.url"), FuzzSupport::bytes(data, size));
    const QString address = ShortcutFile::address(path);
    if (address.contains(QLatin1Char('\r')) || address.contains(QLatin1Char('\n')))
        abort();

    // A shortcut the program writes for that address gives the address back.
    const QString written = FuzzSupport::writeFile(QStringLiteral("written.url"), QByteArray());
    if (address.isEmpty() || address.startsWith(QChar(0xFEFF)))
        return 0;
    if (!TextFile::writeLines(written, ShortcutFile::lines(address)) || ShortcutFile::address(written) != address)
        abort();
    return 0;
}
