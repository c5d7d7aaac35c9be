#include "browser/TfrmKestrelBrowser.h"
#include "browser/engine/SceneGraphChoice.h"
#include "platform/TerminationSignals.h"
#include "platform/InstanceLock.h"
#include "shell/CommandLineAddress.h"
#include "shell/DdeServiceName.h"
#include "shell/DefaultBrowser.h"
#include "shell/DefaultBrowserCheck.h"
#include "shell/InstanceNames.h"
#include "shell/InstanceServer.h"
#include "shell/SecondInstance.h"
#include "shell/SettingsStore.h"
#include "shell/TfrmDefaultBrowser.h"
#include "shell/TSplashForm.h"
#include "ui/QtPrompter.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QPointer>
#include <csignal>
#include <optional>

namespace {
// A headless run has no screen to ask on: a question there would hold the start for ever.
bool canAskAtStart()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

// Offers to make the program the default browser when it is not and "DefaultBrowserCheck" is on.
void CheckDefaultBrowser()
{
    if (!canAskAtStart())
        return;
    SettingsStore store;
    QtPrompter prompter;
    DefaultBrowserCheck::run(store, DefaultBrowser(), QCoreApplication::applicationFilePath(), prompter,
                             [&store] { return TfrmDefaultBrowser::ask(store); });
}
// Creates the favorites drop-down window, shown and hidden for the whole run.
void CreateFavoritesWindow() {}
}

int main(int argc, char **argv)
{
    // A termination request waits until its handler is in place, right after the application
    // object is made; from then on it closes the program as "E&xit" does.
    sigset_t terminationSet;
    sigemptyset(&terminationSet);
    sigaddset(&terminationSet, SIGTERM);
    sigaddset(&terminationSet, SIGINT);
    pthread_sigmask(SIG_BLOCK, &terminationSet, nullptr);

    // The first argument is only ever an address, or a file taken as its address. Qt is given
    // none of the arguments, so no address can pass for one of its options.
    const std::optional<QString> address =
        argc > 1 ? std::optional<QString>(
                       CommandLineAddress::fromArgument(QString::fromLocal8Bit(argv[1]), QDir::currentPath()))
                 : std::nullopt;
    static char programName[] = "kestrel-browser";
    int qtArgc = 1;
    char *qtArgv[] = {argc > 0 && argv[0] ? argv[0] : programName, nullptr};
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(qtArgc, qtArgv);

    // SIGTERM and SIGINT close the main window as "E&xit" does, so the workspace and settings
    // are saved. One that comes while the window is still being made or shown (start-up runs
    // event loops of its own) closes it once the start-up is over.
    QPointer<TfrmKestrelBrowser> mainWindow;
    bool terminationRequested = false;
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &app, [&] {
        terminationRequested = true;
        if (mainWindow)
            mainWindow->close();
    });
    pthread_sigmask(SIG_UNBLOCK, &terminationSet, nullptr);

    // Single instance: whoever holds the lock is the first instance. A later start hands over
    // its address and ends without reading settings or making windows.
    InstanceLock lock(InstanceNames::lockPath());
    if (!lock.tryLock() && !lock.failed()) {
        QtPrompter prompter;
        SecondInstance(InstanceNames::socketPath(), prompter).run(address);
        return 0;
    }
    InstanceServer server(ddeServiceName(QCoreApplication::applicationFilePath()));
    // Without its socket the instance runs unprotected and lets later starts run in full too.
    if (lock.isLocked() && !server.listen(InstanceNames::socketPath()))
        lock.unlock();

    app.setApplicationName(QStringLiteral("kestrel-browser"));
    app.setDesktopFileName(QStringLiteral("kestrel-browser"));
    CheckDefaultBrowser();

    auto *splash = new TSplashForm;
    splash->showNow();
    SceneGraphChoice::apply();
    TfrmKestrelBrowser window;
    window.setCommandLineAddress(address);
    QtPrompter startPrompter(&window);
    if (canAskAtStart())
        window.setStartPrompter(&startPrompter);
    CreateFavoritesWindow();

    QObject::connect(&server, &InstanceServer::addressReceived, &window, &TfrmKestrelBrowser::WMCopyData);
    QObject::connect(&server, &InstanceServer::showRequested, &window, &TfrmKestrelBrowser::ShowInstanceRequest);
    QObject::connect(&server, &InstanceServer::openRequested, &window,
                     &TfrmKestrelBrowser::WWW_OpenURLExecuteMacro);
    // Requests that came while the program started are opened once the first tabs are there.
    QObject::connect(&window, &TfrmKestrelBrowser::firstTabsOpened, &server,
                     &InstanceServer::startDelivering, Qt::QueuedConnection);

    window.show();
    splash->startUpFinished();
    mainWindow = &window;
    // From the event loop: a window closed before it runs would not end the program.
    if (terminationRequested)
        QMetaObject::invokeMethod(&window, &QWidget::close, Qt::QueuedConnection);
    return app.exec();
}
