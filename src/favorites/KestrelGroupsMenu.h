#pragma once

#include <QMenu>
#include <functional>

class SettingsStore;

// The groups menu PopupMenuKestrelGroups: "&Manage Groups", "Create &Group From Current Open
// Tabs", a separator, the check item "&Close Other Tabs When Opening Groups" (the stored "Close
// OnKestrel") and a separator, then one item per group of the group file, rebuilt each time the
// menu is about to pop up. Choosing a group opens it with the stored "Close OnKestrel".
class KestrelGroupsMenu : public QMenu
{
    Q_OBJECT
public:
    struct Handlers
    {
        std::function<void()> manage;
        std::function<void()> createFromTabs;
        std::function<void(const QString &name, bool closeOthers)> open;
    };

    KestrelGroupsMenu(SettingsStore &settings, const QString &groupFile, Handlers handlers, QWidget *parent = nullptr);

    // The "about to pop up" handler: the group items afresh and the check item's state.
    void PopupMenuKestrelGroupsPopup();
    bool closeOthers() const;

private:
    static constexpr int FixedItems = 5;

    SettingsStore &m_settings;
    QString m_groupFile;
    Handlers m_handlers;
    QAction *m_closeOthers;
};
