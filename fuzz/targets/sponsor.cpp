// The sponsor server's answer: its "adinfo" tag and the attributes of every tag.
#include "FuzzSupport.h"
#include "shell/TextFile.h"
#include "sponsor/HtmlTagReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::initialize();
    const QString text = TextFile::decode(FuzzSupport::bytes(data, size));
    const QStringList lines = TextFile::splitLines(text);
    findHtmlTag(lines, QStringLiteral("adinfo"));
    parseHtmlTag(text);
    return 0;
}
