// The browser's side of the tabs benchmark: the main window's tab set opens every given
// address with AddBrowserTab, all together as a group opens them, and the program reports the
// time until every tab's page has completed (its top-level document-complete event). It keeps running afterwards, for the
// runner to measure its memory, until it is stopped.
//   bench_tabs_kestrel URL...
#include "browser/TKestrelWB.h"
#include "browser/TabbedBrowser.h"
#include "browser/engine/SceneGraphChoice.h"
#include "shell/SettingsStore.h"
#include "ui/CommandRegistry.h"
#include "ui/QtPrompter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QSet>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    // As the program does before it makes its window.
    SceneGraphChoice::apply();
    const QStringList addresses = QCoreApplication::arguments().mid(1);
    if (addresses.isEmpty())
        return 2;

    QMainWindow window;
    CommandRegistry commands;
    SettingsStore settings;
    QtPrompter prompter(&window);
    TabbedBrowser browser(window, commands, settings, prompter, [] { return false; });
    browser.selectBusyAnimation();
    window.resize(1024, 768);
    window.show();

    QElapsedTimer timer;
    QSet<const TKestrelWB *> done;
    QObject::connect(&browser.tabs(), &TabSet::BrowserCreated, &app, [&](TKestrelWB *view) {
        QObject::connect(view, &TKestrelWB::DocumentComplete, &app,
                         [&](TKestrelWB *sender, BrowserFrame frame, const QString &address) {
                             if (frame != sender->Application() || !addresses.contains(address) ||
                                 done.contains(sender))
                                 return;
                             done.insert(sender);
                             if (done.size() == addresses.size()) {
                                 std::printf("RESULT elapsed_ms=%.1f tabs=%d\n", timer.nsecsElapsed() / 1e6,
                                             browser.tabs().count());
                                 std::fflush(stdout);
                             }
                         });
    });
    timer.start();
    // Many tabs at once, as a Kestrel group opens them: only the last one is shown.
    browser.tabs().OpenTogether([&] {
        for (const QString &address : addresses)
            browser.tabs().AddBrowserTab(address);
    });
    return app.exec();
}
