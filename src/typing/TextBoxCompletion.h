#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Completes what was typed into a text box from the completion list: the first entry (in list
// order) that begins with the typed text, compared without regard to ASCII letter case.
// With keepTypedCase the typed text stays as typed and the rest of the entry follows; otherwise
// the entry replaces it. Nothing when no entry matches or nothing was typed.
std::optional<QString> completeTypedText(const QString &typed, const QStringList &entries, bool keepTypedCase);
