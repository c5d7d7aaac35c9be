#include "ui/MainWindowKeys.h"

#include "ui/CommandIds.h"
#include "ui/CommandRegistry.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {
struct KeyBinding
{
    int key;
    bool ctrl;
    const QString &command;
};

const KeyBinding keyTable[] = {
    {Qt::Key_Escape, false, CommandIds::Stop},
    {Qt::Key_F1, false, CommandIds::Favorites},
    {Qt::Key_F2, false, CommandIds::FocusPage},
    {Qt::Key_F8, false, CommandIds::FullScreen},
    {Qt::Key_F5, false, CommandIds::Refresh},
    {Qt::Key_Left, true, CommandIds::Back},
    {Qt::Key_Right, true, CommandIds::Forward},
    {Qt::Key_A, true, CommandIds::SelectAll},
    {Qt::Key_F, true, CommandIds::Find},
    {Qt::Key_H, true, CommandIds::Home},
    {Qt::Key_N, true, CommandIds::NewTab},
    {Qt::Key_S, true, CommandIds::SaveAs},
    {Qt::Key_T, true, CommandIds::AddNote},
    {Qt::Key_F1, true, CommandIds::SpellCheck},
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
    bool ctrl = false;
    if (held == Qt::ControlModifier)
        ctrl = true;
    else if (held != Qt::NoModifier)
        return QString();
    for (const KeyBinding &binding : keyTable) {
        if (binding.key == key && binding.ctrl == ctrl)
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
    return handleKey(keyEvent->key(), keyEvent->modifiers());
}
