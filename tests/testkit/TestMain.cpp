#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"

#include <QApplication>

// The one main() of every test executable: a private environment, a widget application
// (offscreen in CI) and every registered test class in turn.
int main(int argc, char **argv)
{
    // Headless with the real engine unless the caller chose otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu --disable-background-networking");
    TestEnvironment environment;
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("kestrel-browser-tests"));
    return runRegisteredTests(argc, argv);
}
