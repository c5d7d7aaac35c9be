#include "ui/CoolBar.h"

#include <QContextMenuEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <algorithm>

namespace {
constexpr int RowGap = 2;
}

CoolBar::CoolBar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CoolBar1"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void CoolBar::insertBand(int index, BandLayout::Band band, const QString &text, QWidget *bar)
{
    BandWidgets widgets;
    widgets.frame = new QWidget(this);
    widgets.frame->setObjectName(band.name + QStringLiteral("Band"));
    auto *layout = new QHBoxLayout(widgets.frame);
    layout->setContentsMargins(0, 0, 2, 0);
    layout->setSpacing(2);
    if (!band.fixedSize) {
        auto *grip = new QFrame(widgets.frame);
        grip->setFrameShape(QFrame::StyledPanel);
        grip->setFrameShadow(QFrame::Raised);
        grip->setFixedWidth(GripWidth - 2);
        grip->setCursor(Qt::SizeAllCursor);
        grip->installEventFilter(this);
        layout->addWidget(grip);
        widgets.grip = grip;
    }
    if (!text.isEmpty()) {
        widgets.label = new QLabel(text, widgets.frame);
        layout->addWidget(widgets.label);
    }
    widgets.bar = bar;
    bar->setParent(widgets.frame);
    layout->addWidget(bar, 1);
    const int chrome = (widgets.grip ? GripWidth : 0) + (widgets.label ? widgets.label->sizeHint().width() + 2 : 0);
    if (!band.fixedSize)
        band.minWidth = std::max(band.minWidth, chrome);
    m_widgets.insert(band.name, widgets);
    m_layout.insert(index, band);
    widgets.frame->setVisible(band.visible);
    relayout();
}

QWidget *CoolBar::bandBar(const QString &name) const
{
    return m_widgets.value(name).bar;
}

QWidget *CoolBar::bandWidget(const QString &name) const
{
    return m_widgets.value(name).frame;
}

QWidget *CoolBar::grip(const QString &name) const
{
    return m_widgets.value(name).grip;
}

void CoolBar::moveBand(const QString &name, int index)
{
    const int from = m_layout.indexOf(name);
    if (from < 0)
        return;
    m_layout.move(from, std::clamp(index, 0, m_layout.count() - 1));
    relayout();
}

void CoolBar::setBandBreak(const QString &name, bool breakBefore)
{
    const int index = m_layout.indexOf(name);
    if (index < 0)
        return;
    m_layout.setBreak(index, breakBefore);
    relayout();
}

void CoolBar::setBandWidth(const QString &name, int width)
{
    const int index = m_layout.indexOf(name);
    if (index < 0)
        return;
    m_layout.setWidth(index, width);
    relayout();
}

void CoolBar::setBandVisible(const QString &name, bool visible)
{
    const int index = m_layout.indexOf(name);
    if (index < 0)
        return;
    m_layout.setVisible(index, visible);
    m_widgets[name].frame->setVisible(visible);
    relayout();
}

bool CoolBar::isBandVisible(const QString &name) const
{
    const int index = m_layout.indexOf(name);
    return index >= 0 && m_layout.band(index).visible;
}

void CoolBar::setBandMinHeight(const QString &name, int height)
{
    const int index = m_layout.indexOf(name);
    if (index < 0)
        return;
    m_layout.setMinHeight(index, height);
    relayout();
}

void CoolBar::dropBand(const QString &name, QPoint leftEdge)
{
    const int index = m_layout.indexOf(name);
    if (index < 0)
        return;
    const QList<BandLayout::Row> rows = m_layout.arrange(width());
    int row = leftEdge.y() < 0 ? -1 : int(rows.size());
    int top = 0;
    for (int r = 0; r < rows.size() && leftEdge.y() >= 0; ++r) {
        const int height = rowHeight(rows[r]);
        if (leftEdge.y() < top + height) {
            row = r;
            break;
        }
        top += height + RowGap;
    }
    m_layout.dragTo(index, row, leftEdge.x(), width());
    relayout();
}

int CoolBar::rowHeight(const BandLayout::Row &row) const
{
    int height = row.height;
    for (const BandLayout::Placement &placed : row.bands)
        height = std::max(height, m_widgets.value(m_layout.band(placed.band).name).frame->minimumSizeHint().height());
    return height;
}

int CoolBar::totalHeight() const
{
    int height = 0;
    for (const BandLayout::Row &row : m_layout.arrange(std::max(width(), 1)))
        height += rowHeight(row) + RowGap;
    return height;
}

void CoolBar::relayout()
{
    int top = 0;
    for (const BandLayout::Row &row : m_layout.arrange(width())) {
        const int height = rowHeight(row);
        for (const BandLayout::Placement &placed : row.bands)
            m_widgets.value(m_layout.band(placed.band).name).frame->setGeometry(placed.x, top, placed.width, height);
        top += height + RowGap;
    }
    if (height() != top)
        setFixedHeight(top);
    updateGeometry();
}

QSize CoolBar::sizeHint() const
{
    return QSize(width(), totalHeight());
}

QSize CoolBar::minimumSizeHint() const
{
    return QSize(0, totalHeight());
}

void CoolBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void CoolBar::contextMenuEvent(QContextMenuEvent *event)
{
    emit contextMenuRequested(event->globalPos());
}

bool CoolBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() != Qt::LeftButton)
        return false;
    QString name;
    for (auto it = m_widgets.cbegin(); it != m_widgets.cend(); ++it) {
        if (it->grip == watched)
            name = it.key();
    }
    if (name.isEmpty())
        return false;
    if (event->type() == QEvent::MouseButtonPress) {
        m_dragged = name;
        m_pressOffset = mouse->position().toPoint() + static_cast<QWidget *>(watched)->pos();
        return true;
    }
    if (m_dragged == name) {
        const QPoint at = mapFromGlobal(mouse->globalPosition().toPoint()) - QPoint(m_pressOffset.x(), 0);
        m_dragged.clear();
        dropBand(name, at);
    }
    return true;
}
