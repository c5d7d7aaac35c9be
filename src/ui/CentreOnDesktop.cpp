#include "ui/CentreOnDesktop.h"

#include <QScreen>
#include <QWidget>

void centreOnDesktop(QWidget *window)
{
    const QScreen *desktop = window->screen();
    if (!desktop)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(desktop->availableGeometry().center());
    window->move(frame.topLeft());
}
