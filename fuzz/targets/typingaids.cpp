// The six typing-aid files as the main window's table and the setup window's lists read them,
// and pdata.dat's sections. Input: tbauto.dat, qlink.dat, qcorrect.dat, qinsert.dat,
// qwords.dat and pdata.dat separated by form feeds; a missing part is a missing file.
#include "FuzzSupport.h"
#include "typing/AidListEditor.h"
#include "typing/NameValueLine.h"
#include "typing/PersonalInfoEditor.h"
#include "typing/PersonalInfoLists.h"
#include "typing/TypingAidFiles.h"
#include "typing/TypingAidTable.h"

#include <cstdlib>

namespace {
const QString FileNames[] = {TypingAidFiles::Completion, TypingAidFiles::QuickLinks,
                             TypingAidFiles::QuickCorrect, TypingAidFiles::QuickInsert,
                             TypingAidFiles::QuickWords, TypingAidFiles::PersonalInfo};
const AidListEditor::Kind Kinds[] = {AidListEditor::Kind::Completion, AidListEditor::Kind::QuickLinks,
                                     AidListEditor::Kind::QuickCorrect, AidListEditor::Kind::QuickInsert,
                                     AidListEditor::Kind::QuickWords};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::initialize();
    FuzzSupport::clearScratchFolder();
    const QString folder = FuzzSupport::scratchFolder();
    const QList<QByteArray> parts = FuzzSupport::parts(FuzzSupport::bytes(data, size), 6);
    for (int file = 0; file < 6; ++file)
        FuzzSupport::writeFile(FileNames[file], parts[file]);

    TypingAidTable table(folder);
    table.LoadTypingAids();
    for (int section = 0; section < TypingAidTable::SectionCount; ++section) {
        for (const QString &line : table.sectionLines(static_cast<TypingAidTable::Section>(section))) {
            const NameValueLine split = NameValueLine::split(line);
            if (split.name.isEmpty())
                continue;
            // The first line of a name in table order answers for it.
            const std::optional<QString> value = table.valueOf(split.name);
            if (!value || !table.valueOf(split.name, static_cast<TypingAidTable::Section>(section)))
                abort();
        }
    }

    CancellingPrompter prompter;
    for (int list = 0; list < 5; ++list) {
        AidListEditor editor(Kinds[list], prompter);
        editor.load(TypingAidFiles::read(folder, FileNames[list]).value_or(QStringList()));
        const QStringList saved = editor.fileLines();
        // What the window saves, read again, is what it showed.
        AidListEditor again(Kinds[list], prompter);
        again.load(saved);
        if (again.fileLines() != saved)
            abort();
        if (!editor.entries().empty()) {
            editor.select(int(editor.entries().size()) - 1);
            editor.update();
            editor.remove();
        }
    }

    const QStringList personalLines = TypingAidFiles::read(folder, TypingAidFiles::PersonalInfo).value_or(QStringList());
    const PersonalInfoLists lists = PersonalInfoLists::fromFileLines(personalLines);
    for (const QString &line : lists.appliesTo)
        PersonalInfoLists::titleOfAppliesTo(line);
    PersonalInfoEditor personal(prompter);
    personal.load(lists);
    for (int row = 0; row < int(personal.entries().size()); ++row)
        personal.select(row);
    personal.select(-1);
    const PersonalInfoLists saved = PersonalInfoLists::fromFileLines(personal.lists().fileLines());
    PersonalInfoEditor again(prompter);
    again.load(saved);
    if (again.lists().fileLines() != personal.lists().fileLines())
        abort();
    return 0;
}
