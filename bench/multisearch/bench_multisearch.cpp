// Time from opening the multi-search window to its first shown frame, on the built-in site
// file and on a 10,000-line file. The baseline is a bare dialog with five tab pages whose
// drop-down lists get the same entries already split, measured in the same run.
#include "search/SiteFile.h"
#include "search/TfrmMultiSearch.h"
#include "shell/SettingsStore.h"
#include "shell/TextFile.h"
#include "testkit/ScriptedPrompter.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
constexpr int Rounds = 30;

// The median time in milliseconds of making and showing a window until the events of its
// first show have been handled.
double medianMs(const std::function<QWidget *()> &make)
{
    std::vector<double> times;
    for (int round = 0; round < Rounds; ++round) {
        QElapsedTimer clock;
        clock.start();
        QWidget *window = make();
        window->show();
        QCoreApplication::processEvents();
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
        delete window;
        QCoreApplication::processEvents();
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

QWidget *bareWindow(const SiteFile::Categories &categories)
{
    auto *dialog = new QDialog;
    auto *pages = new QTabWidget(dialog);
    for (const QStringList &lines : categories) {
        auto *list = new QComboBox;
        // Measuring every item when first shown would make the baseline the slow one.
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        QStringList names;
        for (const QString &line : lines)
            names.append(line.section(QLatin1Char('='), 0, 0));
        list->addItems(names);
        pages->addTab(list, QStringLiteral("Page"));
    }
    (new QVBoxLayout(dialog))->addWidget(pages);
    dialog->resize(477, 288);
    return dialog;
}

void measure(const char *name, const QString &dataFolder, SettingsStore &settings, ScriptedPrompter &prompter)
{
    const std::optional<QStringList> lines = TextFile::readLines(SiteFile::path(dataFolder));
    const SiteFile::Categories categories = SiteFile::readCategories(lines.value_or(QStringList()));
    const double bare = medianMs([&] { return bareWindow(categories); });
    const double kestrel = medianMs([&] {
        return new TfrmMultiSearch(settings, prompter, dataFolder, [](const QString &) {});
    });
    std::printf("multisearch: %s (%lld lines): window shown in %.2f ms median, bare dialog %.2f ms, ratio %.2f"
                " (target under 100 ms for the large file)\n",
                name, static_cast<long long>(lines ? lines->size() : 0), kestrel, bare, kestrel / bare);
}
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The headless platform's notice on every shown window would bury the figures.
    qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (!message.startsWith(QLatin1String("This plugin does not support")))
            std::fprintf(stderr, "%d: %s\n", int(type), qPrintable(message));
    });
    QApplication app(argc, argv);
    QTemporaryDir dir;
    SettingsStore settings(dir.filePath(QStringLiteral("registry.ini")));
    ScriptedPrompter prompter;

    QTemporaryDir builtIn;
    SiteFile::ensureExists(SiteFile::path(builtIn.path()));
    measure("built-in file", builtIn.path(), settings, prompter);

    // 10,000 lines: five headers and 1,999 entries under each.
    QTemporaryDir large;
    QStringList lines;
    for (const char *header : {"[SearchEngines]", "[People]", "[Financial]", "[Reference]", "[News]"}) {
        lines.append(QString::fromLatin1(header));
        for (int i = 0; i < 1999; ++i)
            lines.append(QStringLiteral("Site number %1 of %2=https://site%1.example.com/search?q=").arg(i).arg(
                QString::fromLatin1(header)));
    }
    TextFile::writeLines(SiteFile::path(large.path()), lines);
    measure("10,000-line file", large.path(), settings, prompter);
    return 0;
}
