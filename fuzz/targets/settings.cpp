// The settings file (an INI file written by the program, or by hand) through the settings store.
#include "FuzzSupport.h"
#include "shell/SettingsStore.h"

#include <cstdlib>

namespace {
const QString Sections[] = {SettingsStore::MainSection, SettingsStore::MultiSearchSection,
                            QStringLiteral("Kestrel Browser 5\\TypedURLs"), QStringLiteral("General")};
const QString Keys[] = {QStringLiteral("Save Workspace"), QStringLiteral("Default Group"),
                        QStringLiteral("Item0"), QStringLiteral("Homepage"), QStringLiteral("a")};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::initialize();
    FuzzSupport::clearScratchFolder();
    // A new name each run: the settings class keeps files it has read in a cache of its own.
    static int run = 0;
    const QString path = FuzzSupport::writeFile(QStringLiteral("registry%1.ini").arg(++run),
                                                FuzzSupport::bytes(data, size));
    SettingsStore store(path);
    for (const QString &section : Sections) {
        store.sectionExists(section);
        QStringList list;
        store.readList(section, list);
        for (const QString &key : Keys) {
            store.valueExists(section, key);
            store.readString(section, key);
            store.readInteger(section, key, 7);
            store.readBool(section, key, true);
        }
    }
    // Writes go through, whatever the file held before.
    store.writeString(SettingsStore::MainSection, QStringLiteral("Homepage"), QStringLiteral("about:blank"));
    store.writeList(QStringLiteral("Kestrel Browser 5\\TypedURLs"), {QStringLiteral("a"), QStringLiteral("b")});
    SettingsStore reread(path);
    if (reread.readString(SettingsStore::MainSection, QStringLiteral("Homepage")) != QStringLiteral("about:blank"))
        abort();
    return 0;
}
