#pragma once

#include <QList>
#include <QString>

// The row arithmetic of the band container: bands in order, each starting a new row when it
// has a row break, with a requested width that never falls below its minimum. arrange() places
// the visible bands for a container width; dragTo() is what dropping a band's grip does.
class BandLayout
{
public:
    struct Band
    {
        QString name;
        int minWidth = 0;
        int minHeight = 0;
        int width = 0;
        bool breakBefore = false;
        bool visible = true;
        // Neither shrinks nor stretches (the busy animation).
        bool fixedSize = false;
    };
    struct Placement
    {
        int band = 0;
        int x = 0;
        int width = 0;
    };
    struct Row
    {
        QList<Placement> bands;
        int height = 0;
    };

    void insert(int index, const Band &band);
    void append(const Band &band) { insert(count(), band); }
    int count() const { return int(m_bands.size()); }
    const Band &band(int index) const { return m_bands[index]; }
    int indexOf(const QString &name) const;

    // Moves the band at from to position to (both within 0 .. count-1).
    void move(int from, int to);
    void setBreak(int index, bool breakBefore) { m_bands[index].breakBefore = breakBefore; }
    // Clamped to the band's minimum width.
    void setWidth(int index, int width);
    void setVisible(int index, bool visible) { m_bands[index].visible = visible; }
    void setMinHeight(int index, int height) { m_bands[index].minHeight = height; }

    // The visible bands in rows for a container this wide. A row whose bands do not fit even at
    // their minimum widths goes on in a further row; bands that do not fit at their requested
    // widths give up width from the right, down to their minimums; the last band of a row that
    // can stretch takes what is left over. A row is as high as its highest minimum.
    QList<Row> arrange(int availableWidth) const;

    // Drops the band at index whose grip was dragged to row (of arrange(availableWidth); -1 is
    // above the first row, the row count below the last) with its left edge at x. Within its
    // own row the band to its left is resized so that the band starts at x; in another row the
    // band goes before the first band whose middle lies right of x, or last; above or below
    // every row it becomes a row of its own. Every row keeps its row break.
    void dragTo(int index, int row, int x, int availableWidth);

private:
    QList<Band> m_bands;
};
