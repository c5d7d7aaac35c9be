#pragma once

#include <QString>

// How the in-memory page treats an INPUT by its type, as the engine does.
namespace MemoryInputType {

// How value() of an INPUT is kept.
enum class ValueMode {
    Value,      // the box's own text (text, password, number ...)
    Default,    // the value attribute (hidden and the push buttons)
    DefaultOn,  // the value attribute, "on" without one (check boxes, radio buttons)
    FileName,   // the chosen file (file inputs)
};

// The lower-case type the engine reports for a type attribute ("text" when absent or unknown).
QString effective(const QString &typeAttribute);
ValueMode valueMode(const QString &type);
// The value a box of this type keeps when given `value` by a script.
QString sanitize(const QString &type, const QString &value);
// Text with CR LF and lone CR turned into LF, as text areas keep it.
QString toLineFeeds(const QString &text);
// Text as it reads after being typed or pasted into a box of this type.
QString sanitizeTyped(const QString &type, const QString &text);

}
