#include "favorites/FavoritesPanel.h"

#include "favorites/FavoritesTree.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QStyle>
#include <QToolButton>

FavoritesPanel::FavoritesPanel(std::function<QString()> favoritesFolder, QMainWindow &window)
    : QDockWidget(&window), m_window(window)
{
    setObjectName(QStringLiteral("pnlFavorites"));
    setWindowTitle(QStringLiteral("Favorites"));
    setFeatures(QDockWidget::NoDockWidgetFeatures);
    setAllowedAreas(Qt::LeftDockWidgetArea);
    setMinimumWidth(MinimumWidth);

    auto *titleBar = new QWidget(this);
    auto *row = new QHBoxLayout(titleBar);
    row->setContentsMargins(2, 2, 2, 2);
    auto *title = new QLabel(QStringLiteral("  Favorites"), titleBar);
    auto *close = new QToolButton(titleBar);
    close->setObjectName(QStringLiteral("btnCloseFavPanel"));
    close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    close->setAutoRaise(true);
    close->setToolTip(QStringLiteral("Close"));
    connect(close, &QToolButton::clicked, this, &FavoritesPanel::closePanel);
    row->addWidget(title, 1);
    row->addWidget(close);
    setTitleBarWidget(titleBar);

    m_tree = new FavoritesTree(std::move(favoritesFolder), this);
    m_tree->setObjectName(QStringLiteral("TreeFav"));
    setWidget(m_tree);
    connect(m_tree, &FavoritesTree::shortcutOpened, this, &FavoritesPanel::shortcutOpened);

    window.addDockWidget(Qt::LeftDockWidgetArea, this);
    hide();
}

void FavoritesPanel::showPanel()
{
    if (!isHidden())
        return;
    m_tree->clear();
    show();
    // The first show gives the panel its width; later shows keep what the user dragged it to.
    if (!m_sized) {
        m_window.resizeDocks({this}, {DefaultWidth}, Qt::Horizontal);
        m_sized = true;
    }
    m_tree->mapFirstLevel();
    emit shownChanged(true);
}

void FavoritesPanel::closePanel()
{
    hide();
    emit shownChanged(false);
}
