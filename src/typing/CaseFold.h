#pragma once

#include <QString>

// The text with every code point case-folded alone, as QString::compare(..., Qt::CaseInsensitive)
// folds them: two texts compare equal there exactly when their folded forms are equal, and
// folded forms compared plainly sort as the texts do there. Folding once beats folding at
// every comparison when a long list is sorted or indexed.
QString caseFolded(QStringView text);
