// The text-file helper: decoding (UTF-8, else Windows-1252), line ends, and reading back what
// it wrote.
#include "FuzzSupport.h"
#include "shell/TextFile.h"

#include <QStringList>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::initialize();
    FuzzSupport::clearScratchFolder();
    const QByteArray input = FuzzSupport::bytes(data, size);

    const QStringList lines = TextFile::splitLines(TextFile::decode(input));
    for (const QString &line : lines) {
        if (line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n')))
            abort();
    }

    const QString path = FuzzSupport::writeFile(QStringLiteral("input.txt"), input);
    if (TextFile::readLines(path) != lines)
        abort();
    const std::optional<QStringList> small = TextFile::readSmallTextLines(path, 4096);
    const bool readable = input.size() <= 4096 && !input.contains('\0');
    if (small.has_value() != readable || (small && *small != lines))
        abort();

    // What the helper writes reads back as the same lines; a byte-order mark at the very start
    // is the one thing a reader drops.
    if (!lines.isEmpty() && lines.first().startsWith(QChar(0xFEFF)))
        return 0;
    for (const TextFile::LineEnd end : {TextFile::LineEnd::CrLf, TextFile::LineEnd::Lf}) {
        const QString written = FuzzSupport::writeFile(QStringLiteral("written.txt"), QByteArray());
        if (!TextFile::writeLines(written, lines, end) || TextFile::readLines(written) != lines)
            abort();
    }
    return 0;
}
