#include "browser/tabs/TabStrip.h"

#include "browser/tabs/PageControl.h"
#include "browser/tabs/TabCaption.h"
#include "browser/tabs/TabStripLayout.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionTab>
#include <QTabBar>
#include <QToolButton>
#include <algorithm>

namespace {
constexpr int MinimumTabLength = 24;
constexpr int ScrollButtonLength = 18;
const QColor ActiveCaptionColour(0, 0, 128); // navy

QTabBar::Shape shapeFor(PageControl::TabPosition position)
{
    switch (position) {
    case PageControl::TabPosition::Top:
        return QTabBar::RoundedNorth;
    case PageControl::TabPosition::Bottom:
        return QTabBar::RoundedSouth;
    case PageControl::TabPosition::Left:
        return QTabBar::RoundedWest;
    case PageControl::TabPosition::Right:
        return QTabBar::RoundedEast;
    }
    return QTabBar::RoundedNorth;
}

QString withoutMnemonics(QString caption)
{
    return caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
}
}

TabStrip::TabStrip(PageControl &owner)
    : QWidget(&owner), m_owner(owner), m_scrollBack(new QToolButton(this)), m_scrollOn(new QToolButton(this))
{
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
    m_scrollBack->setArrowType(Qt::LeftArrow);
    m_scrollOn->setArrowType(Qt::RightArrow);
    for (QToolButton *button : {m_scrollBack, m_scrollOn}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->hide();
    }
    connect(m_scrollBack, &QToolButton::clicked, this, [this] { scrollBy(-1); });
    connect(m_scrollOn, &QToolButton::clicked, this, [this] { scrollBy(1); });
}

int TabStrip::tabLength(int index) const
{
    // The room the style's own tab bar gives a caption, so that the style's label never cuts it.
    QStyleOptionTab option;
    option.initFrom(this);
    option.shape = shapeFor(m_owner.tabPosition());
    option.text = withoutMnemonics(m_owner.caption(index));
    const QFontMetrics metrics = fontMetrics();
    const int text = metrics.size(Qt::TextShowMnemonic, option.text).width();
    const int along = text + style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option, this);
    const int across = metrics.height() + style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &option, this);
    const bool vertical = m_owner.isVertical();
    const QSize size = style()->sizeFromContents(QStyle::CT_TabBarTab, &option,
                                                 vertical ? QSize(across, along) : QSize(along, across), this);
    return std::max(MinimumTabLength, vertical ? size.height() : size.width());
}

int TabStrip::lineThickness() const
{
    return fontMetrics().height() + 8;
}

int TabStrip::arrange(int length)
{
    m_length = length;
    const int count = m_owner.count();
    const bool vertical = m_owner.isVertical();
    const PageControl::TabPosition position = m_owner.tabPosition();

    TabStripLayout::Input input;
    int total = 0;
    for (int i = 0; i < count; ++i) {
        input.lengths.append(tabLength(i));
        total += input.lengths.last();
    }
    input.thickness = lineThickness();
    input.multiLine = m_owner.multiLine() || vertical;
    input.activeLineLast = position == PageControl::TabPosition::Top || position == PageControl::TabPosition::Left;
    input.active = m_owner.activeIndex();

    m_scrolling = !input.multiLine && total > length;
    input.available = m_scrolling ? std::max(0, length - 2 * ScrollButtonLength) : length;
    if (input.active != m_shownActive || count != m_shownCount || length != m_shownLength)
        m_scrolledByUser = false;
    m_shownActive = input.active;
    m_shownCount = count;
    m_shownLength = length;
    if (!m_scrolling)
        m_firstShown = 0;
    else if (m_scrolledByUser)
        m_firstShown = std::clamp(m_firstShown, 0, std::max(0, count - 1));
    else
        m_firstShown = TabStripLayout::firstShownFor(input.lengths, input.available, input.active, m_firstShown);
    input.firstShown = m_firstShown;

    const TabStripLayout::Result result = TabStripLayout::arrange(input);
    m_lineCount = count > 0 ? result.lineCount : 0;
    m_rects.clear();
    for (const QRect &r : result.rects)
        m_rects.append(vertical && !r.isEmpty() ? QRect(r.y(), r.x(), r.height(), r.width()) : r);

    const int thickness = m_lineCount * input.thickness;
    m_scrollBack->setVisible(m_scrolling);
    m_scrollOn->setVisible(m_scrolling);
    if (m_scrolling) {
        m_scrollBack->setGeometry(length - 2 * ScrollButtonLength, 0, ScrollButtonLength, input.thickness);
        m_scrollOn->setGeometry(length - ScrollButtonLength, 0, ScrollButtonLength, input.thickness);
    }
    if (m_hot >= count)
        m_hot = -1;
    update();
    return thickness;
}

QRect TabStrip::tabRect(int index) const
{
    return index >= 0 && index < m_rects.size() ? m_rects[index] : QRect();
}

int TabStrip::tabAt(const QPoint &pos) const
{
    if (m_scrolling && pos.x() >= m_length - 2 * ScrollButtonLength)
        return -1;
    for (int i = 0; i < m_rects.size(); ++i) {
        if (m_rects[i].contains(pos))
            return i;
    }
    return -1;
}

void TabStrip::scrollBy(int tabs)
{
    if (!m_scrolling)
        return;
    m_firstShown = std::clamp(m_firstShown + tabs, 0, std::max(0, m_owner.count() - 1));
    m_scrolledByUser = true;
    arrange(m_length);
}

void TabStrip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_scrolling)
        painter.setClipRect(QRect(0, 0, m_length - 2 * ScrollButtonLength, height()));
    const int active = m_owner.activeIndex();
    for (int i = 0; i < m_rects.size(); ++i) {
        if (i != active)
            paintTab(painter, i);
    }
    if (active >= 0 && active < m_rects.size())
        paintTab(painter, active);
}

void TabStrip::paintTab(QPainter &painter, int index)
{
    const QRect rect = m_rects[index];
    if (rect.isEmpty())
        return;
    // Side tabs are never drawn by the control: a draw request there switches drawing back.
    if (m_owner.ownerDraw() && m_owner.isVertical())
        m_owner.setOwnerDraw(false);

    // Styles draw a tab as a tab bar's single line would hold it, from the line's origin; so
    // each tab is drawn from its own.
    painter.save();
    painter.translate(rect.topLeft());
    const QRect local(QPoint(0, 0), rect.size());
    QStyleOptionTab option;
    option.initFrom(this);
    option.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
    option.rect = local;
    option.shape = shapeFor(m_owner.tabPosition());
    option.position = QStyleOptionTab::Middle;
    if (index == m_owner.activeIndex())
        option.state |= QStyle::State_Selected;
    if (index == m_hot)
        option.state |= QStyle::State_MouseOver;
    style()->drawControl(QStyle::CE_TabBarTabShape, &option, &painter, this);
    if (m_owner.ownerDraw()) {
        paintOwnerDrawnCaption(painter, index, local);
    } else {
        option.text = withoutMnemonics(m_owner.caption(index));
        style()->drawControl(QStyle::CE_TabBarTabLabel, &option, &painter, this);
    }
    painter.restore();
}

void TabStrip::paintOwnerDrawnCaption(QPainter &painter, int index, const QRect &rect)
{
    const bool bottom = m_owner.tabPosition() == PageControl::TabPosition::Bottom;
    const bool active = index == m_owner.activeIndex();
    // The inside of the tab, within its border.
    const QRect inside = bottom ? rect.adjusted(3, 1, -3, -3) : rect.adjusted(3, 3, -3, -1);
    const QString caption = m_owner.caption(index);
    const QFontMetrics metrics = fontMetrics();
    const QSize textSize(metrics.horizontalAdvance(caption), metrics.height());
    const QPoint origin = TabCaption::ownerDrawOrigin(inside, textSize, active, bottom);

    painter.save();
    painter.setClipRect(inside, Qt::IntersectClip);
    painter.fillRect(inside, palette().button());
    painter.setPen(active ? ActiveCaptionColour : palette().color(QPalette::ButtonText));
    painter.drawText(origin + QPoint(0, metrics.ascent()), caption);
    painter.restore();
}

void TabStrip::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int index = tabAt(event->position().toPoint());
    if (index >= 0)
        emit tabPressed(index);
}

void TabStrip::mouseMoveEvent(QMouseEvent *event)
{
    const int hot = tabAt(event->position().toPoint());
    if (hot != m_hot) {
        m_hot = hot;
        update();
    }
}

void TabStrip::leaveEvent(QEvent *)
{
    if (m_hot != -1) {
        m_hot = -1;
        update();
    }
}

void TabStrip::contextMenuEvent(QContextMenuEvent *event)
{
    emit contextMenuRequested(tabAt(event->pos()), event->globalPos());
}
