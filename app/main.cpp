#include "browser/TKestrelWB.h"
#include "browser/TfrmKestrelBrowser.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("kestrel-browser"));
    TfrmKestrelBrowser window;
    const QStringList arguments = app.arguments();
    if (arguments.size() > 1)
        window.browser()->Navigate(arguments.at(1));
    else
        window.browser()->GoHome();
    window.show();
    return app.exec();
}
