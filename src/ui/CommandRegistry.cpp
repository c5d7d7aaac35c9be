#include "ui/CommandRegistry.h"

#include <QAction>
#include <QPointer>

Command *CommandRegistry::add(const QString &id, const QString &caption, const QString &hint,
                              const QKeySequence &shortcut, std::function<void()> handler)
{
    if (find(id))
        return nullptr;
    auto *command = new Command(id, caption, hint, shortcut, std::move(handler), this);
    m_commands.append(command);
    emit commandAdded(command);
    return command;
}

Command *CommandRegistry::find(const QString &id) const
{
    for (Command *command : m_commands) {
        if (command->id() == id)
            return command;
    }
    return nullptr;
}

bool CommandRegistry::trigger(const QString &id)
{
    Command *command = find(id);
    return command && command->trigger();
}

QAction *CommandRegistry::createAction(const QString &id, QObject *parent, const QString &caption) const
{
    Command *command = find(id);
    if (!command)
        return nullptr;
    auto *action = new QAction(caption.isEmpty() ? command->caption() : caption, parent);
    if (!command->hint().isEmpty())
        action->setToolTip(command->hint());
    action->setShortcut(command->shortcut());
    // Only the key table turns keys into commands; the action just shows its key.
    action->setShortcutContext(Qt::WidgetShortcut);
    action->setObjectName(id);
    const auto sync = [action, command] {
        action->setEnabled(command->isEnabled());
        action->setCheckable(command->isCheckable());
        action->setChecked(command->isChecked());
    };
    sync();
    QObject::connect(command, &Command::stateChanged, action, sync);
    QObject::connect(action, &QAction::triggered, command, [command, sync, guard = QPointer<QAction>(action)] {
        command->trigger();
        // A checkable action toggles itself when chosen; the command's own state decides.
        if (guard)
            sync();
    });
    return action;
}
