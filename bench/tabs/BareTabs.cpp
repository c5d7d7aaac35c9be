// The baseline of the tabs benchmark: a bare program that opens the given addresses in
// QWebEngineViews on the pages of a QTabWidget and reports the time until every page has
// finished loading. It keeps running afterwards, for the runner to measure its memory, until it
// is stopped.
//   bench_tabs_bare URL...
#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QTabWidget>
#include <QWebEngineView>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QStringList addresses = QCoreApplication::arguments().mid(1);
    if (addresses.isEmpty())
        return 2;

    QMainWindow window;
    auto *tabs = new QTabWidget(&window);
    window.setCentralWidget(tabs);
    window.resize(1024, 768);
    window.show();

    QElapsedTimer timer;
    timer.start();
    int finished = 0;
    for (const QString &address : std::as_const(addresses)) {
        const QUrl url(address);
        auto *view = new QWebEngineView;
        QObject::connect(view, &QWebEngineView::loadFinished, &app, [&, view, url](bool) {
            if (view->url() != url || view->property("done").toBool())
                return;
            view->setProperty("done", true);
            if (++finished == addresses.size()) {
                std::printf("RESULT elapsed_ms=%.1f tabs=%d\n", timer.nsecsElapsed() / 1e6, finished);
                std::fflush(stdout);
            }
        });
        tabs->setCurrentIndex(tabs->addTab(view, address));
        view->load(url);
    }
    return app.exec();
}
