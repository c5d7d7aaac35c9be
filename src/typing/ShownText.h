#pragma once

#include <QString>

// A text as a list shows it: cut after a few hundred characters, so that a huge entry costs
// no more to draw than a normal one.
QString shownText(const QString &text);
