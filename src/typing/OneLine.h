#pragma once

#include <QString>

// Typed or pasted text as it may go into a line of a data file: line breaks become spaces, so
// one entry can never spill over into the next line.
QString oneLine(const QString &text);
