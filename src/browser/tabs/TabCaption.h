#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// The rules for a tab's caption text and where an owner-drawn caption goes.
namespace TabCaption {
// The caption a page title gives: a title longer than maxLength characters is cut to its first
// maxLength characters followed by "..."; a shorter or equal title is used whole.
QString fromTitle(const QString &title, int maxLength);

// The caption "Browser " + number + " Loading..." of a new tab at the given index.
QString newTab(int index);

// Where an owner-drawn caption of the given text size starts in the tab rectangle: centred
// (halves cut towards zero), the active tab's as is, the others 2 pixels further from the
// pages (down for tabs on top, up for tabs at the bottom).
QPoint ownerDrawOrigin(const QRect &tabRect, const QSize &textSize, bool active, bool bottom);
}
