#pragma once

#include <QObject>
#include <QString>

class CommandRegistry;
class QWidget;

// The main window's key table. The window sees every key press meant for any of its widgets,
// the page included, before that widget does; a key of the table runs its command instead,
// unless the key goes to one of the program's own text boxes that keeps it for editing (Ctrl+A,
// Ctrl+Left and Ctrl+Right in the address box, Esc in the find bar). Each key counts only with
// exactly its own modifiers among Shift, Ctrl and Alt.
class MainWindowKeys : public QObject
{
    Q_OBJECT
public:
    MainWindowKeys(QWidget &window, CommandRegistry &commands, QObject *parent = nullptr);
    ~MainWindowKeys() override;

    // The command id a key press stands for, or empty.
    static QString commandForKey(int key, Qt::KeyboardModifiers modifiers);
    // Runs the key's command; true when it ran (unknown or disabled commands leave the key alone).
    bool handleKey(int key, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &m_window;
    CommandRegistry &m_commands;
};
