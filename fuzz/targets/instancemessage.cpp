// Bytes on the instance socket: the reader reassembles messages from pieces of any size, and an
// open request's text is taken apart as the running instance does.
#include "FuzzSupport.h"
#include "shell/DdeOpenRequest.h"
#include "shell/InstanceMessageReader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::initialize();
    if (size == 0)
        return 0;
    // The first byte chooses the size of the pieces the bytes arrive in.
    const qsizetype piece = 1 + data[0] % 32;
    const QByteArray input = FuzzSupport::bytes(data + 1, size - 1);

    InstanceMessageReader reader;
    for (qsizetype from = 0; from < input.size(); from += piece) {
        reader.feed(input.mid(from, piece));
        while (const std::optional<InstanceMessage> message = reader.next()) {
            if (message->text.contains(QChar(0)))
                abort();
            // What a peer would send for this message reads back the same.
            const std::optional<QByteArray> encoded = message->encode();
            if (!encoded)
                abort();
            InstanceMessageReader again;
            again.feed(*encoded);
            const std::optional<InstanceMessage> copy = again.next();
            if (!copy || copy->type != message->type || copy->text != message->text)
                abort();
            if (message->type == InstanceMessage::Type::OpenRequest) {
                if (const std::optional<DdeOpenRequest> request = DdeOpenRequest::fromText(message->text))
                    DdeOpenRequest::requestText(request->lines);
            }
        }
    }
    return 0;
}
