// Time of one address completion (the pause-timer tick of the address bar) with a full list of
// typed addresses, and with a pasted text of 10,000 characters. Prints medians and 99th percentiles.
#include "browser/AddressBar.h"
#include "shell/SettingsStore.h"
#include "testkit/ScriptedPrompter.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
constexpr int Rounds = 2000;

struct Figures
{
    double medianUs;
    double p99Us;
};

// Runs the completion Rounds times, each on a fresh copy of the text.
template <typename Prepare>
Figures measure(AddressBar &bar, Prepare prepare)
{
    std::vector<double> times;
    times.reserve(Rounds);
    for (int round = 0; round < Rounds; ++round) {
        prepare();
        QElapsedTimer clock;
        clock.start();
        bar.CompleteAddress();
        times.push_back(double(clock.nsecsElapsed()) / 1000.0);
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times[times.size() * 99 / 100]};
}

void report(const char *name, const Figures &figures)
{
    std::printf("complete_address: %s median %.1f us, 99th percentile %.1f us over %d runs (target under 1000 us)\n", name,
                figures.medianUs, figures.p99Us, Rounds);
}
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    SettingsStore settings(dir.filePath(QStringLiteral("registry.ini")));
    ScriptedPrompter prompter;
    QComboBox box;
    AddressBar bar(&box, settings, prompter, [](const QString &) {},
                   [](const QString &) -> std::optional<QString> { return std::nullopt; });
    for (int i = 0; i < AddressBar::DropDownCount; ++i)
        box.addItem(QStringLiteral("http://www.site%1.example.com/section/page%1.html").arg(i, 2, 10, QLatin1Char('0')));
    box.show();

    // The last entry matches: every entry is compared first.
    report("20-entry list, last entry matches", measure(bar, [&box] {
               box.setEditText(QStringLiteral("http://www.site19.ex"));
           }));
    // A long common beginning that matches nothing.
    report("20-entry list, no match", measure(bar, [&box] {
               box.setEditText(QStringLiteral("http://www.site0.example.com/section/"
                                              "page00.htmx"));
           }));

    // A pasted text of 10,000 characters, put in by the box's own Ctrl+V.
    QString pasted;
    pasted.reserve(10000);
    for (int i = 0; i < 10000; ++i)
        pasted.append(QChar(u'a' + i % 26));
    QGuiApplication::clipboard()->setText(pasted);
    report("pasted 10,000 characters", measure(bar, [&box, &bar] {
               box.clearEditText();
               bar.cboURLAddressKeyDown(Qt::Key_V, Qt::ControlModifier);
           }));
    return box.currentText().size() == pasted.size() ? 0 : 1;
}
