#pragma once

#include "ui/BandLayout.h"

#include <QHash>
#include <QPoint>
#include <QWidget>

class QLabel;

// The band container CoolBar1: bands in rows, each a grip, an optional text and one bar. A
// band is moved by dragging its grip, within its row (which resizes the band to its left) or
// to another row; the row arithmetic is BandLayout's. The context menu of the container and of
// every bar in it is asked for with contextMenuRequested.
class CoolBar : public QWidget
{
    Q_OBJECT
public:
    static constexpr int GripWidth = 8;

    explicit CoolBar(QWidget *parent = nullptr);

    // Adds a band at index; its minimum width covers at least the grip and the text.
    void insertBand(int index, BandLayout::Band band, const QString &text, QWidget *bar);
    bool hasBand(const QString &name) const { return m_layout.indexOf(name) >= 0; }
    QWidget *bandBar(const QString &name) const;
    // The band's frame: grip, text and bar.
    QWidget *bandWidget(const QString &name) const;
    QWidget *grip(const QString &name) const;

    const BandLayout &bands() const { return m_layout; }
    // Changes to the bands are shown at once.
    void moveBand(const QString &name, int index);
    void setBandBreak(const QString &name, bool breakBefore);
    void setBandWidth(const QString &name, int width);
    void setBandVisible(const QString &name, bool visible);
    bool isBandVisible(const QString &name) const;
    void setBandMinHeight(const QString &name, int height);

    // Drops the band at a point of the container, as releasing its dragged grip there does.
    void dropBand(const QString &name, QPoint leftEdge);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void contextMenuRequested(const QPoint &globalPosition);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct BandWidgets
    {
        QWidget *frame = nullptr;
        QWidget *grip = nullptr;
        QLabel *label = nullptr;
        QWidget *bar = nullptr;
    };
    void relayout();
    int rowHeight(const BandLayout::Row &row) const;
    int totalHeight() const;

    BandLayout m_layout;
    QHash<QString, BandWidgets> m_widgets;
    QString m_dragged;
    QPoint m_pressOffset;
};
