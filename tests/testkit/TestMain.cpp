#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"

#include <QApplication>

// The one main() of every test executable: a private environment, a widget application
// (offscreen in CI) and every registered test class in turn.
int main(int argc, char **argv)
{
    TestEnvironment environment;
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("kestrel-browser-tests"));
    return runRegisteredTests(argc, argv);
}
