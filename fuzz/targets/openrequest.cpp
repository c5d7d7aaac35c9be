// The text of an open request as it arrives from a second start or the shell, through the
// duplicate filter.
#include "FuzzSupport.h"
#include "shell/DdeOpenRequest.h"
#include "shell/OpenRequestFilter.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::initialize();
    const QList<QByteArray> parts = FuzzSupport::parts(FuzzSupport::bytes(data, size), 4);
    OpenRequestFilter filter;
    for (const QByteArray &part : parts) {
        if (part.isNull())
            break;
        const std::optional<DdeOpenRequest> request = DdeOpenRequest::fromText(QString::fromUtf8(part));
        if (!request)
            continue;
        if (DdeOpenRequest::fromText(request->toText())->lines != request->lines)
            abort();
        const QString text = DdeOpenRequest::requestText(request->lines);
        // A request just admitted is a duplicate right after.
        filter.admit(text);
        if (!text.isEmpty() && filter.admit(text))
            abort();
    }
    return 0;
}
