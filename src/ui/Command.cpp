#include "ui/Command.h"

#include <QMenu>

Command::Command(const QString &id, const QString &caption, const QString &hint, const QKeySequence &shortcut,
                 std::function<void()> handler, QObject *parent)
    : QObject(parent), m_id(id), m_caption(caption), m_hint(hint), m_shortcut(shortcut), m_handler(std::move(handler))
{
}

void Command::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    emit stateChanged();
}

void Command::setCheckable(bool checkable)
{
    if (checkable == m_checkable)
        return;
    m_checkable = checkable;
    emit stateChanged();
}

void Command::setChecked(bool checked)
{
    if (checked == m_checked)
        return;
    m_checked = checked;
    emit stateChanged();
}

bool Command::trigger()
{
    if (!m_enabled || !m_handler)
        return false;
    m_handler();
    return true;
}

void Command::setMenu(QMenu *menu)
{
    if (menu == m_menu)
        return;
    m_menu = menu;
    emit stateChanged();
}

QMenu *Command::menu() const
{
    return m_menu.data();
}
