#include "favorites/TfrmFavorites.h"

#include "favorites/FavoritesTree.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// Link captions are shown with five leading spaces.
const QString LinkIndent = QStringLiteral("     ");
const QString Pattern = QStringLiteral("/*.*");

QFrame *separator(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}
}

TfrmFavorites::TfrmFavorites(std::function<QString()> favoritesFolder, std::function<void(const QString &)> openFolder,
                             QWidget *mainWindow)
    : QFrame(mainWindow, Qt::Tool | Qt::FramelessWindowHint), m_readFolder(std::move(favoritesFolder)),
      m_openFolder(std::move(openFolder))
{
    setObjectName(QStringLiteral("frmFavorites"));
    setFrameShape(QFrame::Box);
    resize(DefaultWidth, DefaultHeight);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);

    auto *titleRow = new QHBoxLayout;
    m_title = new QLabel(QStringLiteral("  Favorites"), this);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_btnClose = new QToolButton(this);
    m_btnClose->setObjectName(QStringLiteral("btnClose"));
    m_btnClose->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    m_btnClose->setAutoRaise(true);
    m_btnClose->setToolTip(QStringLiteral("Close"));
    connect(m_btnClose, &QToolButton::clicked, this, &TfrmFavorites::closeDropDown);
    titleRow->addWidget(m_title, 1);
    titleRow->addWidget(m_btnClose);
    layout->addLayout(titleRow);

    QPushButton *add = addLink(QStringLiteral("hlAdd"), QStringLiteral("Add to Favorites"));
    QPushButton *open = addLink(QStringLiteral("hlOpen"), QStringLiteral("Open and Manage Favorites"));
    QPushButton *refresh = addLink(QStringLiteral("hlRefresh"), QStringLiteral("Refresh Favorites"));
    QPushButton *import = addLink(QStringLiteral("hlImport"), QStringLiteral("Import Bookmarks..."));
    connect(add, &QPushButton::clicked, this, &TfrmFavorites::hlAddClick);
    connect(open, &QPushButton::clicked, this, &TfrmFavorites::hlOpenClick);
    connect(refresh, &QPushButton::clicked, this, &TfrmFavorites::hlRefreshClick);
    connect(import, &QPushButton::clicked, this, [this] {
        hide();
        emit importRequested();
    });
    for (QWidget *link : {add, open, refresh, import}) {
        layout->addWidget(link);
        m_availableOnly.append(link);
    }
    for (int i = 0; i < 2; ++i) {
        QFrame *line = separator(this);
        layout->addWidget(line);
        m_availableOnly.append(line);
    }

    m_unavailable = new QLabel(QStringLiteral("Favorites Unavailable"), this);
    m_unavailable->setObjectName(QStringLiteral("Label2"));
    m_unavailable->setAlignment(Qt::AlignCenter);
    m_unavailable->hide();
    layout->addWidget(m_unavailable);

    m_tree = new FavoritesTree(m_readFolder, this);
    m_tree->setObjectName(QStringLiteral("TreeView1"));
    layout->addWidget(m_tree, 1);
    m_availableOnly.append(m_tree);
    connect(m_tree, &FavoritesTree::shortcutOpened, this, [this](const QString &address) {
        hide();
        emit shortcutOpened(address);
    });
}

QPushButton *TfrmFavorites::addLink(const QString &name, const QString &caption)
{
    auto *link = new QPushButton(LinkIndent + caption, this);
    link->setObjectName(name);
    link->setFlat(true);
    link->setCursor(Qt::PointingHandCursor);
    link->setStyleSheet(QStringLiteral("text-align: left; color: palette(link);"));
    return link;
}

QString TfrmFavorites::favoritesFolder() const
{
    return m_searchPattern.isEmpty() ? QString() : m_searchPattern.chopped(Pattern.size() - 1);
}

void TfrmFavorites::dropDownUnder(const QRect &button)
{
    const QPoint origin(button.left() + 12, button.bottom() + 1 + 2);
    int height = DefaultHeight;
    const QScreen *screen = QGuiApplication::screenAt(origin);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        const int screenBottom = screen->geometry().bottom() + 1;
        if (screenBottom < origin.y() + height)
            height = std::max(screenBottom - origin.y(), 0);
    }
    setGeometry(QRect(origin, QSize(DefaultWidth, height)));
    show();
    raise();
    activateWindow();
}

void TfrmFavorites::showEvent(QShowEvent *event)
{
    QFrame::showEvent(event);
    FormShow();
    emit shownChanged(true);
}

void TfrmFavorites::hideEvent(QHideEvent *event)
{
    QFrame::hideEvent(event);
    emit shownChanged(false);
}

void TfrmFavorites::FormShow()
{
    const QString folder = m_readFolder();
    if (folder.isEmpty()) {
        m_searchPattern.clear();
        showUnavailable(true);
        return;
    }
    showUnavailable(false);
    m_searchPattern = folder + Pattern;
    m_tree->mapFirstLevel();
    m_tree->setFocus();
}

void TfrmFavorites::showUnavailable(bool unavailable)
{
    for (QWidget *widget : std::as_const(m_availableOnly))
        widget->setVisible(!unavailable);
    m_unavailable->setVisible(unavailable);
    if (unavailable) {
        layout()->activate();
        resize(width(), m_unavailable->geometry().top() + m_unavailable->sizeHint().height() + 25);
    }
}

void TfrmFavorites::hlAddClick()
{
    emit addRequested();
    hide();
    m_tree->clear();
}

void TfrmFavorites::hlOpenClick()
{
    if (!m_searchPattern.isEmpty())
        m_openFolder(favoritesFolder());
}

void TfrmFavorites::hlRefreshClick()
{
    const QRect place = geometry();
    hide();
    m_tree->clear();
    setGeometry(place);
    show();
}

void TfrmFavorites::closeDropDown()
{
    hide();
}

bool TfrmFavorites::event(QEvent *event)
{
    if (event->type() == QEvent::WindowDeactivate && isVisible())
        hide();
    return QFrame::event(event);
}
