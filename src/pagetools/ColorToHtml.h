#pragma once

#include <QString>

class QColor;

// The HTML text of a colour: the name of one of the sixteen basic colours ("White", "Red" ...),
// "#RRGGBB" with upper-case digits for any other, "White" for an invalid colour.
QString ColorToHtml(const QColor &colour);
