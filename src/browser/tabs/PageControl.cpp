#include "browser/tabs/PageControl.h"

#include "browser/tabs/TabStrip.h"

#include <QResizeEvent>

PageControl::PageControl(QWidget *parent)
    : QWidget(parent), m_strip(new TabStrip(*this)), m_pageArea(new QWidget(this))
{
    // The captions take the window's font, whatever fonts the system has.
    connect(m_strip, &TabStrip::tabPressed, this, &PageControl::setActiveIndex);
    connect(m_strip, &TabStrip::contextMenuRequested, this, &PageControl::tabContextMenuRequested);
}

PageControl::~PageControl()
{
    // The pages die with the control's children, after its own members: stop listening first.
    for (const Entry &entry : std::as_const(m_entries))
        disconnect(entry.page, &QObject::destroyed, this, nullptr);
}

QWidget *PageControl::page(int index) const
{
    return index >= 0 && index < count() ? m_entries[index].page : nullptr;
}

int PageControl::indexOf(const QWidget *page) const
{
    for (int i = 0; i < count(); ++i) {
        if (m_entries[i].page == page)
            return i;
    }
    return -1;
}

void PageControl::addPage(QWidget *page)
{
    if (!page || indexOf(page) >= 0)
        return;
    page->hide();
    page->setParent(m_pageArea);
    m_entries.append(Entry{page, QString()});
    connect(page, &QObject::destroyed, this, &PageControl::pageDestroyed);
    relayout();
}

void PageControl::pageDestroyed(QObject *page)
{
    for (int i = 0; i < count(); ++i) {
        if (m_entries[i].page != page)
            continue;
        m_entries.removeAt(i);
        if (page == m_shown)
            m_shown = nullptr;
        if (i == m_active)
            m_active = -1;
        else if (i < m_active)
            --m_active;
        relayout();
        return;
    }
}

void PageControl::setActiveIndex(int index)
{
    if (index == m_active || index < 0 || index >= count())
        return;
    m_active = index;
    relayout();
    if (m_showingHolds == 0)
        showActivePage();
    emit pageShown(index);
}

void PageControl::holdShowing()
{
    ++m_showingHolds;
}

void PageControl::releaseShowing()
{
    if (m_showingHolds > 0 && --m_showingHolds == 0)
        showActivePage();
}

void PageControl::showActivePage()
{
    QWidget *active = activePage();
    if (m_shown == active)
        return;
    if (m_shown)
        m_shown->hide();
    m_shown = active;
    if (active)
        active->show();
}

void PageControl::movePage(int from, int to)
{
    if (from < 0 || from >= count() || to < 0 || to >= count() || from == to)
        return;
    QWidget *active = activePage();
    m_entries.move(from, to);
    m_active = indexOf(active);
    relayout();
}

QString PageControl::caption(int index) const
{
    return index >= 0 && index < count() ? m_entries[index].caption : QString();
}

void PageControl::setCaption(int index, const QString &caption)
{
    if (index < 0 || index >= count() || m_entries[index].caption == caption)
        return;
    m_entries[index].caption = caption;
    relayout();
}

void PageControl::setMultiLine(bool multiLine)
{
    m_multiLine = multiLine;
    relayout();
}

void PageControl::setTabPosition(TabPosition position)
{
    m_position = position;
    relayout();
}

void PageControl::setOwnerDraw(bool ownerDraw)
{
    if (ownerDraw == m_ownerDraw)
        return;
    m_ownerDraw = ownerDraw;
    m_strip->update();
}

void PageControl::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void PageControl::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        relayout();
}

void PageControl::relayout()
{
    const QRect all = rect();
    const int thickness = m_strip->arrange(isVertical() ? all.height() : all.width());
    QRect strip;
    QRect pages;
    switch (m_position) {
    case TabPosition::Top:
        strip = QRect(all.left(), all.top(), all.width(), thickness);
        pages = all.adjusted(0, thickness, 0, 0);
        break;
    case TabPosition::Bottom:
        strip = QRect(all.left(), all.bottom() - thickness + 1, all.width(), thickness);
        pages = all.adjusted(0, 0, 0, -thickness);
        break;
    case TabPosition::Left:
        strip = QRect(all.left(), all.top(), thickness, all.height());
        pages = all.adjusted(thickness, 0, 0, 0);
        break;
    case TabPosition::Right:
        strip = QRect(all.right() - thickness + 1, all.top(), thickness, all.height());
        pages = all.adjusted(0, 0, -thickness, 0);
        break;
    }
    m_strip->setGeometry(strip);
    m_pageArea->setGeometry(pages);
    if (QWidget *active = activePage())
        active->setGeometry(m_pageArea->rect());
    m_strip->update();
}
