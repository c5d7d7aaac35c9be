#include "favorites/KestrelGroupsMenu.h"

#include "favorites/KestrelGroupFile.h"
#include "shell/SettingsStore.h"
#include "shell/TextFile.h"

KestrelGroupsMenu::KestrelGroupsMenu(SettingsStore &settings, const QString &groupFile, Handlers handlers,
                                     QWidget *parent)
    : QMenu(parent), m_settings(settings), m_groupFile(groupFile), m_handlers(std::move(handlers))
{
    setObjectName(QStringLiteral("PopupMenuKestrelGroups"));
    addAction(QStringLiteral("&Manage Groups"), this, [this] { m_handlers.manage(); });
    addAction(QStringLiteral("Create &Group From Current Open Tabs"), this, [this] { m_handlers.createFromTabs(); });
    addSeparator();
    m_closeOthers = addAction(QStringLiteral("&Close Other Tabs When Opening Groups"), this, [this] {
        m_settings.writeBool(SettingsStore::MainSection, KestrelGroupFile::CloseOthersKey, !closeOthers());
    });
    m_closeOthers->setCheckable(true);
    addSeparator();
    connect(this, &QMenu::aboutToShow, this, &KestrelGroupsMenu::PopupMenuKestrelGroupsPopup);
}

bool KestrelGroupsMenu::closeOthers() const
{
    return m_settings.readBool(SettingsStore::MainSection, KestrelGroupFile::CloseOthersKey, true);
}

void KestrelGroupsMenu::PopupMenuKestrelGroupsPopup()
{
    const QList<QAction *> items = actions();
    for (qsizetype i = FixedItems; i < items.size(); ++i) {
        removeAction(items.at(i));
        delete items.at(i);
    }
    const QStringList lines = TextFile::readLines(m_groupFile).value_or(QStringList());
    for (const QString &name : KestrelGroupFile::groupNames(lines))
        addAction(name, this, [this, name] { m_handlers.open(name, closeOthers()); });
    m_closeOthers->setChecked(closeOthers());
}
