// The baseline of the start-up benchmark: the least a Qt WebEngine program does to show a page.
#include <QApplication>
#include <QUrl>
#include <QWebEngineView>

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QWebEngineView view;
    view.resize(1024, 768);
    view.load(QUrl(QString::fromLocal8Bit(argv[argc - 1])));
    view.show();
    return app.exec();
}
