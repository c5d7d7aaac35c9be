// Typing into a real page: 2,000 characters into a text area, each key sent to the view's focus
// widget 8 ms apart, first with no key filter and then with the typing aids' filter and field answers on,
// in the same run. Prints the median host time per key for both and the added time, and the
// time from a space key to the expanded text being in the field.
#include "../BenchKit.h"
#include "../BenchPage.h"
#include "browser/TKestrelWB.h"
#include "browser/engine/EnginePage.h"
#include "browser/engine/WebEngineControl.h"
#include "browser/page/PageDocument.h"
#include "browser/page/PageElement.h"
#include "pagetools/ActiveDocument.h"
#include "shell/DataFolder.h"
#include "shell/SettingsStore.h"
#include "shell/TextFile.h"
#include "testkit/LoopbackServer.h"
#include "testkit/WaitUntil.h"
#include "typing/InPageTypingAids.h"
#include "typing/PageFieldEdits.h"
#include "typing/PageKeyFilter.h"
#include "typing/TypingAidTable.h"
#include "ui/CommandRegistry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QWebEngineView>
#include <algorithm>
#include <cstdio>
#include <vector>

using BenchKit::median;

namespace {
constexpr int Characters = 2000;
constexpr int PauseMs = 8;

// The page counts the field's changes made by the program (not typed) in its title.
const QByteArray Page = "<!DOCTYPE html><html><head><title>0</title></head><body>"
                        "<textarea id=\"area\" rows=\"20\" cols=\"80\"></textarea><script>"
                        "let applied = 0;"
                        "document.getElementById('area').addEventListener('input', (e) => {"
                        "  if (!e.isTrusted) document.title = String(++applied); });"
                        "</script></body></html>";

QString paragraph()
{
    const QString words[] = {QStringLiteral("adn"), QStringLiteral("walk"), QStringLiteral("into"),
                             QStringLiteral("the"), QStringLiteral("woods")};
    QString text;
    for (int i = 0; text.size() < Characters; ++i)
        text += words[i % 5] + QLatin1Char(' ');
    return text.left(Characters);
}

void sendKey(QWidget *target, QChar character, QEvent::Type type)
{
    QKeyEvent event(type, character == QLatin1Char(' ') ? Qt::Key_Space : Qt::Key_A, Qt::NoModifier,
                    QString(character));
    QApplication::sendEvent(target, &event);
}

// Host time of each key press and release, in microseconds.
std::vector<double> typeText(QWidget *target, const QString &text, std::vector<qint64> *spaceTimes,
                             const QElapsedTimer &clock)
{
    std::vector<double> times;
    for (const QChar character : text) {
        QElapsedTimer key;
        key.start();
        if (character == QLatin1Char(' ') && spaceTimes)
            spaceTimes->push_back(clock.nsecsElapsed());
        sendKey(target, character, QEvent::KeyPress);
        sendKey(target, character, QEvent::KeyRelease);
        times.push_back(double(key.nsecsElapsed()) / 1000.0);
        // The page takes the key in the pause before the next, as between a fast typist's keys.
        waitUntil([] { return false; }, PauseMs);
    }
    return times;
}
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString folder = DataFolder::path();
    TextFile::writeLines(folder + QStringLiteral("/qcorrect.dat"), {QStringLiteral("adn=and")});
    SettingsStore store;
    TypingAidTable table(folder);
    table.LoadTypingAids();

    LoopbackServer server;
    server.serve(QStringLiteral("/keys.html"), Page);
    TKestrelWB view;
    view.resize(800, 600);
    view.show();
    auto *control = qobject_cast<WebEngineControl *>(view.control());
    if (!BenchKit::loadInView(view, server.url(QStringLiteral("/keys.html")))) {
        std::fprintf(stderr, "keys: the page did not load\n");
        return 1;
    }

    InPageTypingAids aids(
        InPageTypingAids::Collaborators{[&view] { return focusedDocumentOf(view.Document()); }, &table, &store});
    CommandRegistry commands;
    const auto nothing = [] {};
    PageKeyFilter filter(aids, commands,
                         PageKeyFilter::Operations{[&view] { return &view; }, [] { return QString(); }, nothing});
    PageFieldEdits edits(aids, [&view](BrowserControl *asking) { return asking == view.control() && !view.Busy(); });

    const auto area = view.Document()->elementById(QStringLiteral("area"));
    view.control()->focusPage();
    if (!area || !area->focus()) {
        std::fprintf(stderr, "keys: no text area to type into\n");
        return 1;
    }
    QWidget *target = control->view()->focusProxy();
    const QString text = paragraph();

    QElapsedTimer clock;
    clock.start();
    const double bare = median(typeText(target, text, nullptr, clock));
    waitUntil([&area, &text] { return area->value() == text; });

    area->setValue(QString());
    aids.setLastFieldText(QString());
    qApp->installEventFilter(&filter);
    edits.watch(view.control());
    std::vector<qint64> spaces;
    std::vector<qint64> applied;
    QObject::connect(control->page(), &QWebEnginePage::titleChanged,
                     [&applied, &clock] { applied.push_back(clock.nsecsElapsed()); });
    const double filtered = median(typeText(target, text, &spaces, clock));
    const int expansions = static_cast<int>(text.count(QStringLiteral("adn ")));
    waitUntil([&applied, expansions] { return int(applied.size()) >= expansions; }, 5000);

    // Each expansion follows the space that ends its word: every fifth space.
    std::vector<double> latencies;
    for (size_t i = 0; i < applied.size(); ++i) {
        const size_t space = i * 5;
        if (space < spaces.size())
            latencies.push_back(double(applied[i] - spaces[space]) / 1e6);
    }
    std::printf("keys: %d characters, median host time per key %.1f us without the filter, %.1f us with it: "
                "added %.1f us (target under 200 us)\n",
                int(text.size()), bare, filtered, filtered - bare);
    std::printf("keys: %d of %d expansions applied, space to expanded text median %.1f ms (target under 16 ms)\n",
                int(applied.size()), expansions, median(latencies));
    return 0;
}
