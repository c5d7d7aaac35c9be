#include "pagetools/ColorToHtml.h"

#include <QColor>
#include <array>

namespace {
struct NamedColour
{
    QRgb rgb;
    const char *name;
};

constexpr std::array<NamedColour, 16> BasicColours = {{
    {0x000000, "Black"}, {0x800000, "Maroon"}, {0x008000, "Green"}, {0x808000, "Olive"},
    {0x000080, "Navy"},  {0x800080, "Purple"}, {0x008080, "Teal"},  {0x808080, "Gray"},
    {0xC0C0C0, "Silver"}, {0xFF0000, "Red"},   {0x00FF00, "Lime"},  {0xFFFF00, "Yellow"},
    {0x0000FF, "Blue"},  {0xFF00FF, "Fuchsia"}, {0x00FFFF, "Aqua"}, {0xFFFFFF, "White"},
}};
}

QString ColorToHtml(const QColor &colour)
{
    if (!colour.isValid())
        return QStringLiteral("White");
    const QRgb rgb = colour.rgb() & 0xFFFFFF;
    for (const NamedColour &named : BasicColours) {
        if (named.rgb == rgb)
            return QLatin1String(named.name);
    }
    return QStringLiteral("#%1").arg(rgb, 6, 16, QLatin1Char('0')).toUpper();
}
