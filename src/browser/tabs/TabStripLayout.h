#pragma once

#include <QList>
#include <QRect>

// Where the tabs of a tab strip go, worked out along the strip ("along" is x, "across" is y;
// side strips swap them). One line scrolls from a first shown tab; several lines take as many
// as the tabs need, each stretched to the full length, with the active tab's line next to the
// pages and the others following it round in tab order.
class TabStripLayout
{
public:
    struct Input
    {
        QList<int> lengths;       // each tab's length along the strip
        int available = 0;        // room along the strip
        int thickness = 0;        // one line's size across the strip
        bool multiLine = false;
        bool activeLineLast = true; // the pages lie after the last line (top and left strips)
        int active = -1;
        int firstShown = 0;       // one line only: the first tab shown
    };

    struct Result
    {
        QList<QRect> rects;       // per tab; an empty rect for a tab scrolled out of the line
        int lineCount = 0;
        bool overflow = false;    // one line: the tabs do not all fit
    };

    static Result arrange(const Input &input);

    // One line: the first tab to show so that the active tab is wholly in view, moving the
    // line as little as it must from the first tab shown now, and showing earlier tabs rather
    // than leaving room after the last one.
    static int firstShownFor(const QList<int> &lengths, int available, int active, int firstShown);
};
