#include "ui/MainWindowKeys.h"

#include "ui/CommandIds.h"
#include "ui/CommandRegistry.h"
#include "ui/TextBoxKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {
struct KeyBinding
{
    int key;
    Qt::KeyboardModifiers modifiers;
    const QString &command;
};

constexpr Qt::KeyboardModifiers Plain = Qt::NoModifier;
constexpr Qt::KeyboardModifiers Ctrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers Alt = Qt::AltModifier;

const KeyBinding keyTable[] = {
    {Qt::Key_Escape, Plain, CommandIds::Stop},
    {Qt::Key_F1, Plain, CommandIds::Favorites},
    {Qt::Key_F2, Plain, CommandIds::ViewSource},
    {Qt::Key_F8, Plain, CommandIds::FullScreen},
    {Qt::Key_F5, Plain, CommandIds::Refresh},
    {Qt::Key_Left, Ctrl, CommandIds::Back},
    {Qt::Key_Right, Ctrl, CommandIds::Forward},
    {Qt::Key_A, Ctrl, CommandIds::SelectAll},
    {Qt::Key_F, Ctrl, CommandIds::Find},
    {Qt::Key_H, Ctrl, CommandIds::Home},
    {Qt::Key_N, Ctrl, CommandIds::NewTab},
    {Qt::Key_O, Ctrl, CommandIds::Open},
    {Qt::Key_P, Ctrl, CommandIds::Print},
    {Qt::Key_S, Ctrl, CommandIds::SaveAs},
    {Qt::Key_T, Ctrl, CommandIds::AddNote},
    {Qt::Key_F1, Ctrl, CommandIds::SpellCheck},
    // The ways into the address box that every browser offers.
    {Qt::Key_L, Ctrl, CommandIds::FocusAddress},
    {Qt::Key_D, Alt, CommandIds::FocusAddress},
    {Qt::Key_F6, Plain, CommandIds::FocusAddress},
};
}

MainWindowKeys::MainWindowKeys(QWidget &window, CommandRegistry &commands, QObject *parent)
    : QObject(parent), m_window(window), m_commands(commands)
{
    qApp->installEventFilter(this);
}

MainWindowKeys::~MainWindowKeys()
{
    qApp->removeEventFilter(this);
}

QString MainWindowKeys::commandForKey(int key, Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers held =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    for (const KeyBinding &binding : keyTable) {
        if (binding.key == key && binding.modifiers == held)
            return binding.command;
    }
    return QString();
}

bool MainWindowKeys::handleKey(int key, Qt::KeyboardModifiers modifiers)
{
    const QString id = commandForKey(key, modifiers);
    return !id.isEmpty() && m_commands.trigger(id);
}

bool MainWindowKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    if (static_cast<QWidget *>(watched)->window() != &m_window)
        return false;
    const auto *keyEvent = static_cast<QKeyEvent *>(event);
    if (commandForKey(keyEvent->key(), keyEvent->modifiers()).isEmpty())
        return false;
    // The key was typed into the focus widget; on its way up from there it is still that
    // widget's key.
    auto *widget = static_cast<QWidget *>(watched);
    QWidget *focus = QApplication::focusWidget();
    QWidget *typedInto = focus && widget->isAncestorOf(focus) ? focus : widget;
    if (TextBoxKeys::keeps(typedInto, *keyEvent))
        return false;
    return handleKey(keyEvent->key(), keyEvent->modifiers());
}
