#pragma once

#include <QFrame>
#include <functional>

class FavoritesTree;
class QLabel;
class QPushButton;
class QToolButton;

// The favorites drop-down window: created once, shown under the "F&avorites" button and hidden
// again, its tree rebuilt on every show. It offers "Add to Favorites", "Open and Manage
// Favorites", "Refresh Favorites" and "Import Bookmarks...", and hides itself when it loses
// activation, when its close button is pressed or when the window chrome asks.
class TfrmFavorites : public QFrame
{
    Q_OBJECT
public:
    static constexpr int DefaultWidth = 380;
    static constexpr int DefaultHeight = 620;

    // favoritesFolder: read afresh at every show; openFolder: opens a folder in the desktop's
    // file manager.
    TfrmFavorites(std::function<QString()> favoritesFolder, std::function<void(const QString &)> openFolder,
                  QWidget *mainWindow);

    FavoritesTree *TreeView1() const { return m_tree; }
    // The Favorites folder followed by "/*.*", set at every show; empty without a folder.
    const QString &searchPattern() const { return m_searchPattern; }
    // The Favorites folder as the last show found it, with a trailing "/".
    QString favoritesFolder() const;

    // Places the window under the button (its rectangle in screen coordinates), cut to end at
    // the bottom of the screen, and shows it.
    void dropDownUnder(const QRect &button);

    void hlAddClick();
    void hlOpenClick();
    void hlRefreshClick();

public slots:
    // Hides the window; the chrome's closing signal comes here.
    void closeDropDown();

signals:
    void addRequested();
    void importRequested();
    // A shortcut of the tree was chosen.
    void shortcutOpened(const QString &address);
    // The window was shown or hidden.
    void shownChanged(bool shown);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool event(QEvent *event) override;

private:
    void FormShow();
    void showUnavailable(bool unavailable);
    QPushButton *addLink(const QString &name, const QString &caption);

    std::function<QString()> m_readFolder;
    std::function<void(const QString &)> m_openFolder;
    QString m_searchPattern;
    QLabel *m_title;
    QToolButton *m_btnClose;
    QList<QWidget *> m_availableOnly;
    QLabel *m_unavailable;
    FavoritesTree *m_tree;
};
