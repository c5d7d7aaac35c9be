#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>
#include <QPointer>
#include <functional>

class QMenu;

// One user command: its name, key and hint, whether it can run and whether it is checked, and
// the one handler that every control of it (menu entry, tool button, key) runs.
class Command : public QObject
{
    Q_OBJECT
public:
    Command(const QString &id, const QString &caption, const QString &hint, const QKeySequence &shortcut,
            std::function<void()> handler, QObject *parent = nullptr);

    const QString &id() const { return m_id; }
    const QString &caption() const { return m_caption; }
    const QString &hint() const { return m_hint; }
    const QKeySequence &shortcut() const { return m_shortcut; }

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool isCheckable() const { return m_checkable; }
    void setCheckable(bool checkable);
    bool isChecked() const { return m_checked; }
    void setChecked(bool checked);

    // A command may carry a drop-down menu (mail, groups, page format): menus show it as a
    // submenu and tool buttons as their drop-down. The menu is owned elsewhere.
    QMenu *menu() const;
    void setMenu(QMenu *menu);

    // Runs the handler when the command is enabled; true when it ran.
    bool trigger();

signals:
    // Enabled, checkable or checked changed.
    void stateChanged();

private:
    QString m_id;
    QString m_caption;
    QString m_hint;
    QKeySequence m_shortcut;
    std::function<void()> m_handler;
    bool m_enabled = true;
    bool m_checkable = false;
    bool m_checked = false;
    QPointer<QMenu> m_menu;
};
