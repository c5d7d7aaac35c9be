#include "browser/TfrmKestrelBrowser.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("kestrel-browser"));
    TfrmKestrelBrowser window;
    window.show();
    return app.exec();
}
