#include "typing/PageKeyFilter.h"

#include "browser/TKestrelWB.h"
#include "typing/InPageTypingAids.h"
#include "ui/CommandIds.h"
#include "ui/CommandRegistry.h"

#include <QKeyEvent>
#include <QWidget>

PageKeyFilter::PageKeyFilter(InPageTypingAids &aids, CommandRegistry &commands, Operations operations,
                             QObject *parent)
    : QObject(parent), m_aids(aids), m_commands(commands), m_operations(std::move(operations))
{
}

bool PageKeyFilter::isForActivePage(QObject *watched) const
{
    auto *widget = qobject_cast<QWidget *>(watched);
    TKestrelWB *view = widget ? m_operations.activeView() : nullptr;
    if (!view || view->Busy() || !view->control())
        return false;
    QWidget *page = view->control()->widget();
    return page && (widget == page || page->isAncestorOf(widget));
}

bool PageKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    // Close events pass untouched: the user's close of the main window ends the program, and a
    // page's own request to close its window reaches the tab set from the engine.
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    if (!isForActivePage(watched))
        return false;
    return routeKey(static_cast<const QKeyEvent &>(*event));
}

bool PageKeyFilter::routeKey(const QKeyEvent &event)
{
    // Key releases, Space, Backspace, Delete, cut, paste and Enter in a text area all go to the
    // page as they are; the agent reports the field's edits once the page made them.
    if (event.type() != QEvent::KeyPress)
        return false;
    // Keys with Alt held are the menus' (mnemonics, the window's own keys), never the page's aids.
    if (event.modifiers() & Qt::AltModifier)
        return false;
    const Qt::KeyboardModifiers modifiers = event.modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
    const int key = event.key();
    if (modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) {
        if (key < 33 || key > 126)
            return false;
        m_aids.QuickInsertKey(key);
        return true;
    }
    if (modifiers == Qt::ControlModifier)
        return routeControlKey(key);
    if (modifiers != Qt::NoModifier)
        return false;
    switch (key) {
    case Qt::Key_Insert:
        m_operations.fillPersonalInfo();
        return true;
    case Qt::Key_Escape:
        m_commands.trigger(CommandIds::Stop);
        return true;
    case Qt::Key_F1:
        m_commands.trigger(CommandIds::Favorites);
        return true;
    case Qt::Key_F2:
        m_operations.viewSource();
        return true;
    case Qt::Key_F5:
        m_commands.trigger(CommandIds::Refresh);
        return true;
    case Qt::Key_F8:
        // Taken here, so the main window's key table does not toggle full screen a second time.
        m_commands.trigger(CommandIds::FullScreen);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return routeEnter();
    case Qt::Key_Space:
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Tab:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return false;
    default:
        m_aids.ArmTextBoxCompletion();
        return false;
    }
}

bool PageKeyFilter::routeControlKey(int key)
{
    switch (key) {
    case Qt::Key_Left:
        m_commands.trigger(CommandIds::Back);
        return true;
    case Qt::Key_Right:
        m_commands.trigger(CommandIds::Forward);
        return true;
    case Qt::Key_F1:
        m_commands.trigger(CommandIds::SpellCheck);
        return true;
    case Qt::Key_N:
        m_operations.newPage();
        return true;
    case Qt::Key_T:
        m_commands.trigger(CommandIds::AddNote);
        return true;
    case Qt::Key_S:
        m_commands.trigger(CommandIds::SaveAs);
        return true;
    case Qt::Key_H:
        m_commands.trigger(CommandIds::Home);
        return true;
    default:
        // Cut, copy, paste and select-all run as the page's own edit commands.
        return false;
    }
}

bool PageKeyFilter::routeEnter()
{
    // A link shown in the status bar is followed; otherwise the page takes the key (a new line
    // in a text area, the form submitted from a text box, a button clicked).
    const QString status = m_operations.statusText();
    if (!status.left(10).contains(QLatin1String("://")) && !status.toLower().contains(QLatin1String("mailto:")))
        return false;
    m_operations.activeView()->Navigate(status);
    return true;
}
