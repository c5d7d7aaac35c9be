// workspace.dat and the default group of kestrelgroups.dat as the first tabs come from them.
// Input: workspace.dat, form feed, kestrelgroups.dat, form feed, the default group's name;
// a missing part is a missing file.
#include "FuzzSupport.h"
#include "shell/SettingsStore.h"
#include "shell/TextFile.h"
#include "shell/Workspace.h"

#include <QDir>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::initialize();
    FuzzSupport::clearScratchFolder();
    const QList<QByteArray> parts = FuzzSupport::parts(FuzzSupport::bytes(data, size), 3);
    FuzzSupport::writeFile(Workspace::FileName, parts[0]);
    FuzzSupport::writeFile(Workspace::GroupFileName, parts[1]);

    SettingsStore settings(QDir(FuzzSupport::scratchFolder()).filePath(QStringLiteral("registry.ini")));
    settings.writeString(SettingsStore::MainSection, KestrelGroupFile::DefaultGroupKey, TextFile::decode(parts[2]));
    const Workspace workspace(settings, FuzzSupport::scratchFolder());
    const Workspace::FirstTabs first = workspace.firstTabs();
    if (first.active != first.addresses.size() - 1)
        abort();

    // Saving the tabs and starting again gives the same tabs, but for those without an address.
    QStringList kept;
    for (const QString &address : first.addresses) {
        if (!address.trimmed().isEmpty())
            kept.append(address.trimmed());
    }
    // A byte-order mark at the very start of the file is the one thing a reader drops.
    if (kept.isEmpty() || kept.first().startsWith(QChar(0xFEFF)))
        return 0;
    if (!workspace.save(first.addresses) || workspace.firstTabs().addresses != kept)
        abort();
    return 0;
}
