#include "ui/BandLayout.h"

#include <algorithm>

void BandLayout::insert(int index, const Band &band)
{
    Band added = band;
    added.width = std::max(added.width, added.minWidth);
    m_bands.insert(std::clamp(index, 0, count()), added);
}

int BandLayout::indexOf(const QString &name) const
{
    for (int i = 0; i < count(); ++i) {
        if (m_bands[i].name == name)
            return i;
    }
    return -1;
}

void BandLayout::move(int from, int to)
{
    if (from == to)
        return;
    m_bands.move(from, to);
}

void BandLayout::setWidth(int index, int width)
{
    m_bands[index].width = std::max(width, m_bands[index].minWidth);
}

QList<BandLayout::Row> BandLayout::arrange(int availableWidth) const
{
    // Rows by row break, then split where even the minimum widths do not fit.
    QList<QList<int>> rows;
    int minimumSum = 0;
    for (int i = 0; i < count(); ++i) {
        const Band &band = m_bands[i];
        if (!band.visible)
            continue;
        if (rows.isEmpty() || band.breakBefore || minimumSum + band.minWidth > availableWidth) {
            rows.append(QList<int>());
            minimumSum = 0;
        }
        rows.last().append(i);
        minimumSum += band.minWidth;
    }

    QList<Row> arranged;
    for (const QList<int> &members : std::as_const(rows)) {
        QList<int> widths;
        int total = 0;
        for (int i : members) {
            widths.append(m_bands[i].width);
            total += m_bands[i].width;
        }
        for (int j = int(members.size()) - 1; j >= 0 && total > availableWidth; --j) {
            const Band &band = m_bands[members[j]];
            if (band.fixedSize)
                continue;
            const int give = std::min(total - availableWidth, widths[j] - band.minWidth);
            widths[j] -= give;
            total -= give;
        }
        if (total < availableWidth) {
            for (int j = int(members.size()) - 1; j >= 0; --j) {
                if (!m_bands[members[j]].fixedSize) {
                    widths[j] += availableWidth - total;
                    break;
                }
            }
        }
        Row row;
        int x = 0;
        for (qsizetype j = 0; j < members.size(); ++j) {
            row.bands.append(Placement{members[j], x, widths[j]});
            x += widths[j];
            row.height = std::max(row.height, m_bands[members[j]].minHeight);
        }
        arranged.append(row);
    }
    return arranged;
}

void BandLayout::dragTo(int index, int row, int x, int availableWidth)
{
    const QList<Row> rows = arrange(availableWidth);
    int sourceRow = -1;
    int position = -1;
    for (int r = 0; r < rows.size() && sourceRow < 0; ++r) {
        for (int p = 0; p < rows[r].bands.size(); ++p) {
            if (rows[r].bands[p].band == index) {
                sourceRow = r;
                position = p;
                break;
            }
        }
    }
    if (sourceRow < 0)
        return;
    const QList<Placement> &source = rows[sourceRow].bands;
    if (row == sourceRow) {
        // The first band of a row has nothing to its left to resize.
        if (position > 0)
            setWidth(source[position - 1].band, x - source[position - 1].x);
        return;
    }
    if (row >= 0 && row < rows.size() && rows[row].bands.isEmpty())
        return;

    // The band leaves its row: a row it started is now started by the next band.
    const QString name = m_bands[index].name;
    if (position == 0 && source.size() > 1)
        m_bands[source[1].band].breakBefore = m_bands[index].breakBefore;

    const auto moveBefore = [this, &name](int target) {
        const QString targetName = m_bands[target].name;
        const int from = indexOf(name);
        int to = indexOf(targetName);
        if (from < to)
            --to;
        move(from, to);
    };

    if (row < 0) {
        const int first = rows.first().bands.first().band;
        m_bands[first].breakBefore = true;
        moveBefore(first);
        m_bands[indexOf(name)].breakBefore = true;
        return;
    }
    if (row >= rows.size()) {
        move(index, count() - 1);
        m_bands[count() - 1].breakBefore = true;
        return;
    }
    const QList<Placement> &target = rows[row].bands;
    for (qsizetype p = 0; p < target.size(); ++p) {
        const Placement &other = target[p];
        if (other.x + other.width / 2 <= x)
            continue;
        Band &otherBand = m_bands[other.band];
        const bool startsRow = p == 0 && otherBand.breakBefore;
        otherBand.breakBefore = p == 0 ? false : otherBand.breakBefore;
        moveBefore(other.band);
        m_bands[indexOf(name)].breakBefore = startsRow;
        return;
    }
    const QString lastName = m_bands[target.last().band].name;
    const int from = indexOf(name);
    int to = indexOf(lastName);
    if (from > to)
        ++to;
    move(from, to);
    m_bands[indexOf(name)].breakBefore = false;
}
