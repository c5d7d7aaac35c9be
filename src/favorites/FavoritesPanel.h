#pragma once

#include <QDockWidget>
#include <functional>

class FavoritesTree;
class QMainWindow;

// The side panel pnlFavorites docked on the left of the tab set, with its tree TreeFav. The
// dock's separator is the splitter between panel and tab set and comes and goes with the panel.
// Its tree is rebuilt each time the panel goes from hidden to shown.
class FavoritesPanel : public QDockWidget
{
    Q_OBJECT
public:
    static constexpr int DefaultWidth = 185;
    static constexpr int MinimumWidth = 100;

    FavoritesPanel(std::function<QString()> favoritesFolder, QMainWindow &window);

    FavoritesTree *TreeFav() const { return m_tree; }

    // Shows the panel with a fresh top level; nothing when it is already shown.
    void showPanel();
    // btnCloseFavPanel.
    void closePanel();

signals:
    // Shown or hidden; the panel's check buttons follow.
    void shownChanged(bool shown);
    void shortcutOpened(const QString &address);

private:
    QMainWindow &m_window;
    FavoritesTree *m_tree;
    bool m_sized = false;
};
