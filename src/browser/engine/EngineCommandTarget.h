#pragma once

#include "browser/CommandTarget.h"

#include <QObject>
#include <QVariant>
#include <memory>

class FindBar;
class Prompter;
class QPrinter;
class QWebEngineView;

// The commands of a browser view on Qt WebEngine: save as through the engine's save-page, print
// and page setup through Qt's print dialogs, a properties dialog of ours, the find bar over the
// engine's find, the engine settings dialog and the zoom levels.
class EngineCommandTarget : public QObject
{
    Q_OBJECT
public:
    explicit EngineCommandTarget(QWebEngineView &view, QObject *parent = nullptr);
    ~EngineCommandTarget() override;

    QVariant exec(CommandTarget::Group group, int id, int option, Prompter &prompter);

    // The zoom factor of a level 0 .. ZoomLevels - 1.
    static double zoomFactor(int level);
    // The level whose factor is nearest to a zoom factor.
    static int zoomLevel(double factor);

private:
    QVariant execStandard(int id, int option, Prompter &prompter);
    QVariant execWebBrowser(int id);
    bool saveAs(Prompter &prompter);
    bool print(int option);
    bool pageSetup();
    void showProperties();
    QPrinter &printer();

    QWebEngineView &m_view;
    std::unique_ptr<QPrinter> m_printer;
    bool m_printing = false;
    FindBar *m_findBar = nullptr;
};
