#pragma once

#include <QRect>
#include <QWidget>

class QLineEdit;
class TKestrelWB;
class WebEngineControl;

// The plain window a page opens in when the program does not take its new window: a read-only
// address line over the page, titled by it, closed when the page closes itself. New windows
// from it open likewise. They all close with the main window.
class EngineWindow : public QWidget
{
    Q_OBJECT
public:
    explicit EngineWindow(const QRect &requestedGeometry);
    WebEngineControl *control() const;
    TKestrelWB *view() const { return m_view; }
    QLineEdit *addressLine() const { return m_address; }

    // Frees every window of this kind.
    static void freeAll();

private:
    TKestrelWB *m_view;
    QLineEdit *m_address;
};
