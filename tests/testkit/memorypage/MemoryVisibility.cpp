#include "testkit/memorypage/MemoryVisibility.h"

#include "testkit/memorypage/MemoryElement.h"

#include <QMap>
#include <QStringList>
#include <optional>

namespace MemoryVisibility {
namespace {
constexpr double minimumSize = 2;
constexpr double minimumOpacity = 0.1;
constexpr double furthestOffset = -100;

// The declarations of an element's style attribute, names lower-cased.
QMap<QString, QString> inlineStyle(const MemoryElement &element)
{
    QMap<QString, QString> style;
    const QStringList declarations = element.attribute(QStringLiteral("style")).split(QLatin1Char(';'));
    for (const QString &declaration : declarations) {
        const qsizetype colon = declaration.indexOf(QLatin1Char(':'));
        if (colon > 0)
            style.insert(declaration.left(colon).trimmed().toLower(), declaration.mid(colon + 1).trimmed().toLower());
    }
    return style;
}

// A length in pixels ("0", "12px"), or nothing for other values.
std::optional<double> pixels(const QString &value)
{
    QString number = value;
    if (number.endsWith(QLatin1String("px")))
        number.chop(2);
    bool ok = false;
    const double result = number.toDouble(&ok);
    return ok ? std::optional<double>(result) : std::nullopt;
}

bool tooSmall(const QMap<QString, QString> &style)
{
    for (const QString &dimension : {QStringLiteral("width"), QStringLiteral("height")}) {
        const auto size = pixels(style.value(dimension));
        if (style.contains(dimension) && size && *size < minimumSize)
            return true;
    }
    return false;
}

bool placedAway(const QMap<QString, QString> &style)
{
    for (const QString &side : {QStringLiteral("left"), QStringLiteral("top")}) {
        const auto offset = pixels(style.value(side));
        if (style.contains(side) && offset && *offset <= furthestOffset)
            return true;
    }
    return false;
}
}

bool isVisible(const MemoryElement &element)
{
    if (element.inputType() == QLatin1String("hidden"))
        return false;
    const auto own = inlineStyle(element);
    if (tooSmall(own) || placedAway(own))
        return false;
    bool visibilityDecided = false;
    for (const MemoryElement *e = &element; e; e = e->parent().get()) {
        const auto style = e == &element ? own : inlineStyle(*e);
        if (e->hasAttribute(QStringLiteral("hidden")) || style.value(QStringLiteral("display")) == QLatin1String("none"))
            return false;
        const auto opacity = pixels(style.value(QStringLiteral("opacity")));
        if (style.contains(QStringLiteral("opacity")) && opacity && *opacity < minimumOpacity)
            return false;
        // The nearest element that sets visibility decides it.
        if (!visibilityDecided && style.contains(QStringLiteral("visibility"))) {
            if (style.value(QStringLiteral("visibility")) != QLatin1String("visible"))
                return false;
            visibilityDecided = true;
        }
        if (e != &element && style.value(QStringLiteral("overflow")) == QLatin1String("hidden") && tooSmall(style))
            return false;
    }
    return true;
}
}
