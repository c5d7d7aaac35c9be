#pragma once

#include "favorites/FavoritesAndGroups.h"
#include "favorites/FavoritesFolder.h"
#include "favorites/FavoritesTree.h"
#include "shell/TextFile.h"
#include "testkit/TabSetRig.h"
#include "ui/CommandIds.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTreeWidgetItem>

// A tab set on fake controls with the favorites and groups subsystem on it, a Favorites folder
// and a data folder of its own. Addresses handed on are recorded and opened like the main
// window's NavigateActiveBrowser.
struct FavoritesRig : TabSetRig
{
    QTemporaryDir dir;
    QString favorites = dir.filePath(QStringLiteral("Favorites"));
    QStringList navigated;
    QStringList openedFolders;
    std::unique_ptr<FavoritesAndGroups> subsystem;

    FavoritesRig()
    {
        QDir().mkpath(favorites);
        settings.writeString(FavoritesFolder::Section, FavoritesFolder::Key, favorites);
        subsystem = std::make_unique<FavoritesAndGroups>(
            window, settings, prompter, dir.path(), commands, tabs(),
            [this](const QString &address) {
                navigated.append(address);
                if (TKestrelWB *view = tabs().GetActiveBrowser())
                    view->Navigate(address);
                else
                    tabs().AddBrowserTab(address);
            },
            [this](const QString &folder) { openedFolders.append(folder); });
    }
    ~FavoritesRig() { subsystem.reset(); }

    void shortcut(const QString &relative, const QString &address) const
    {
        TextFile::writeLines(favorites + QLatin1Char('/') + relative, {QStringLiteral("[InternetShortcut]"),
                                                                       QStringLiteral("URL=") + address});
    }
    void folder(const QString &relative) const { QDir(favorites).mkpath(relative); }
    QString groupFile() const { return subsystem->groupFile(); }

    static QStringList captions(const QTreeWidget *tree, QTreeWidgetItem *parent = nullptr)
    {
        QStringList list;
        const int count = parent ? parent->childCount() : tree->topLevelItemCount();
        for (int i = 0; i < count; ++i)
            list.append((parent ? parent->child(i) : tree->topLevelItem(i))->text(0));
        return list;
    }
    static QTreeWidgetItem *node(const QTreeWidget *tree, const QString &caption, QTreeWidgetItem *parent = nullptr)
    {
        const int count = parent ? parent->childCount() : tree->topLevelItemCount();
        for (int i = 0; i < count; ++i) {
            QTreeWidgetItem *item = parent ? parent->child(i) : tree->topLevelItem(i);
            if (item->text(0) == caption)
                return item;
        }
        return nullptr;
    }
};
