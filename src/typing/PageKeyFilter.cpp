#include "typing/PageKeyFilter.h"

#include "browser/TKestrelWB.h"
#include "typing/InPageTypingAids.h"
#include "ui/CommandIds.h"
#include "ui/CommandRegistry.h"
#include "ui/TextBoxKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {
struct PageCommandKey
{
    int key;
    Qt::KeyboardModifiers modifiers;
    const QString &command;
};

constexpr Qt::KeyboardModifiers Plain = Qt::NoModifier;
constexpr Qt::KeyboardModifiers Ctrl = Qt::ControlModifier;

// Browser commands on their keys in the page; the page never gets these keys.
const PageCommandKey pageCommandKeys[] = {
    {Qt::Key_Escape, Plain, CommandIds::Stop},
    {Qt::Key_F1, Plain, CommandIds::Favorites},
    {Qt::Key_F2, Plain, CommandIds::ViewSource},
    {Qt::Key_F5, Plain, CommandIds::Refresh},
    {Qt::Key_Left, Ctrl, CommandIds::Back},
    {Qt::Key_Right, Ctrl, CommandIds::Forward},
    {Qt::Key_F1, Ctrl, CommandIds::SpellCheck},
    {Qt::Key_N, Ctrl, CommandIds::NewTab},
    {Qt::Key_T, Ctrl, CommandIds::AddNote},
    {Qt::Key_S, Ctrl, CommandIds::SaveAs},
    {Qt::Key_H, Ctrl, CommandIds::Home},
};

// The X keyboard codes of the digit row, 1 to 9 and then 0, as X11 and Wayland report them.
constexpr quint32 DigitRowCodes[] = {10, 11, 12, 13, 14, 15, 16, 17, 18, 19};
constexpr char DigitRowDigits[] = "1234567890";
}

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
    // A key typed into a box of the program's over the page (the find bar) is no page key,
    // also when the box leaves it to the widgets around it.
    if (TextBoxKeys::isTextBox(widget) || TextBoxKeys::isTextBox(QApplication::focusWidget()))
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

int PageKeyFilter::quickInsertCode(const QKeyEvent &event, const QString &platform)
{
    if (platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"))) {
        for (int i = 0; i < 10; ++i) {
            if (event.nativeScanCode() == DigitRowCodes[i])
                return DigitRowDigits[i];
        }
    }
    const int key = event.key();
    return key >= 33 && key <= 126 ? key : 0;
}

bool PageKeyFilter::routeKey(const QKeyEvent &event)
{
    // Key releases, Backspace, Delete, cut, paste and Enter in a text area all go to the page as
    // they are; the agent reports the field's edits once the page made them. A space goes to the
    // page too, and restarts the completion pause like any typed character.
    if (event.type() != QEvent::KeyPress)
        return false;
    // Keys with Alt held are the menus' (mnemonics, the window's own keys), never the page's aids.
    if (event.modifiers() & Qt::AltModifier)
        return false;
    const Qt::KeyboardModifiers modifiers = event.modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
    const int key = event.key();
    if (modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) {
        const int code = quickInsertCode(event, QGuiApplication::platformName());
        if (code == 0)
            return false;
        m_aids.QuickInsertKey(code);
        return true;
    }
    for (const PageCommandKey &binding : pageCommandKeys) {
        if (binding.key == key && binding.modifiers == modifiers) {
            m_commands.trigger(binding.command);
            return true;
        }
    }
    // Other Ctrl keys (cut, copy, paste, select all) run as the page's own edit commands.
    if (modifiers != Qt::NoModifier)
        return false;
    switch (key) {
    case Qt::Key_Insert:
        m_operations.fillPersonalInfo();
        return true;
    case Qt::Key_F8:
        // Taken here, so the main window's key table does not toggle full screen a second time.
        m_commands.trigger(CommandIds::FullScreen);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return routeEnter();
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
