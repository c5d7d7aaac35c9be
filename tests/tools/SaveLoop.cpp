// kestrel-save-loop: writes the data folder's files through the program's writers, change after
// change, until it is killed. The killed-saves test starts it and kills it at random moments.
#include "SaveBurst.h"

#include "shell/DataFolder.h"
#include "shell/SettingsStore.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    SettingsStore settings;
    SaveBurst burst(DataFolder::path(), settings);
    // The test's clock for the kill starts once the writing does.
    std::fputs("writing\n", stdout);
    std::fflush(stdout);
    for (int step = 0;; step = (step + 1) % SaveBurst::Steps)
        burst.change(step);
}
