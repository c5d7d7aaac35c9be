#pragma once

#include "browser/BrowserFrame.h"

#include <QString>
#include <QUrl>

class BrowserControl;

// What a browser control reports to the view hosting it. The view turns these into its
// events; the answers flow back into the engine.
class BrowserControlHost
{
public:
    virtual ~BrowserControlHost() = default;

    // Return false to cancel the navigation.
    virtual bool controlBeforeNavigate(int frame, const QUrl &url) = 0;
    // A page asks for a new window. Return the control that should receive the page, or null;
    // set cancel to refuse it. Null without cancel lets the engine open a window of its own.
    virtual BrowserControl *controlNewWindow(bool &cancel) = 0;
    virtual void controlNavigateComplete(int frame, const QUrl &url) = 0;
    virtual void controlDocumentComplete(int frame, const QUrl &url) = 0;
    virtual void controlTitleChange(const QString &title) = 0;
    virtual void controlStatusTextChange(const QString &text) = 0;
    virtual void controlProgressChange(int progress, int maximum) = 0;
    virtual void controlHistoryChange(bool canGoBack, bool canGoForward) = 0;
    // The page asked to close its own window.
    virtual void controlWindowCloseRequested() = 0;
    // The host-information flags to draw the next document with.
    virtual quint32 controlHostInfoFlags() = 0;
};
