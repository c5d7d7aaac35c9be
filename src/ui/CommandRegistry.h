#pragma once

#include "ui/Command.h"

#include <QList>
#include <QObject>

class QAction;

// Every user command of the main window, by id. Menus, tool bars, the full-screen tool bar and
// the key table are all built from here, so one command has one handler and one state whatever
// control runs it.
class CommandRegistry : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Registers a command; an id that is already taken is refused (null).
    Command *add(const QString &id, const QString &caption, const QString &hint, const QKeySequence &shortcut,
                 std::function<void()> handler);
    Command *find(const QString &id) const;
    QList<Command *> commands() const { return m_commands; }
    // Runs a command by id; false when it is unknown or disabled.
    bool trigger(const QString &id);

    // A control of a command: an action with its own caption (the command's caption when empty)
    // that shows the command's key and hint, follows its enabled and checked state, and runs it.
    // Null for an unknown id. The key is shown only: keys reach commands through the key table.
    QAction *createAction(const QString &id, QObject *parent, const QString &caption = QString()) const;

signals:
    // A command was registered: menus and bars that name its id show it from now on.
    void commandAdded(Command *command);

private:
    QList<Command *> m_commands;
};
