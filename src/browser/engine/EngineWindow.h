#pragma once

#include <QRect>
#include <QWidget>

class TKestrelWB;
class WebEngineControl;

// The plain window a page opens in when the program does not take its new window: just the
// page, titled by it, closed when the page closes itself. New windows from it open likewise.
class EngineWindow : public QWidget
{
    Q_OBJECT
public:
    explicit EngineWindow(const QRect &requestedGeometry);
    WebEngineControl *control() const;
    TKestrelWB *view() const { return m_view; }

private:
    TKestrelWB *m_view;
};
