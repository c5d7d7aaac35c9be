// postit.dat as the notes read it and write a page's block back.
#include "FuzzSupport.h"
#include "pagetools/notes/PostNoteFile.h"
#include "shell/TextFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::initialize();
    const QStringList lines = TextFile::splitLines(TextFile::decode(FuzzSupport::bytes(data, size)));
    const PostNoteFile file(lines);
    for (const QString &line : lines) {
        if (!line.startsWith(QLatin1Char('[')) || !line.endsWith(QLatin1Char(']')) || line.size() < 2)
            continue;
        const QString key = line.mid(1, line.size() - 2);
        const QList<PostNoteFile::Note> notes = file.notes(key);
        PostNoteFile rewritten = file;
        rewritten.replaceNotes(key, notes);
        // The block goes to the end, its notes written as they were read.
        const QStringList &written = rewritten.lines();
        if (!notes.isEmpty() && written.size() < notes.size() + 1)
            abort();
        for (qsizetype i = 0; i < notes.size(); ++i) {
            const QString noteLine = written.at(written.size() - notes.size() + i);
            const std::optional<PostNoteFile::Note> again = PostNoteFile::readNoteLine(noteLine);
            if (!again || PostNoteFile::noteLine(*again) != noteLine)
                abort();
        }
    }
    return 0;
}
