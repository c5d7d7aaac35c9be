// multisearch.dat as the quick bars read a section and the multi-search window its categories.
#include "FuzzSupport.h"
#include "search/SiteFile.h"
#include "shell/TextFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::initialize();
    const QByteArray input = FuzzSupport::bytes(data, size);
    const QString path = FuzzSupport::writeFile(SiteFile::FileName, input);
    const QStringList lines = TextFile::splitLines(TextFile::decode(input));

    const SiteFile::Categories categories = SiteFile::readCategories(lines);
    const QString names[] = {QStringLiteral("SearchEngines"), QStringLiteral("People"),
                             QStringLiteral("Financial"), QStringLiteral("News"), QStringLiteral("Reference")};
    for (int category = 0; category < SiteFile::CategoryCount; ++category) {
        const QString section = SiteFile::readSection(path, names[category]);
        if (section != SiteFile::sectionLines(lines, names[category]).join(QStringLiteral("\r\n")))
            abort();
        for (const QString &entry : categories[category]) {
            if (entry.isEmpty() || entry.startsWith(QLatin1Char('[')))
                abort();
        }
    }
    return 0;
}
