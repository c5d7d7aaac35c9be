#include "ui/ButtonMode.h"

std::optional<ButtonMode> ButtonModes::fromStored(const QString &value)
{
    if (value == QLatin1String("TextOnly"))
        return ButtonMode::TextOnly;
    if (value == QLatin1String("IconsOnly"))
        return ButtonMode::IconsOnly;
    if (value == QLatin1String("Normal"))
        return ButtonMode::Normal;
    return std::nullopt;
}

QString ButtonModes::stored(ButtonMode mode)
{
    switch (mode) {
    case ButtonMode::TextOnly:
        return QStringLiteral("TextOnly");
    case ButtonMode::IconsOnly:
        return QStringLiteral("IconsOnly");
    case ButtonMode::Normal:
        break;
    }
    return QStringLiteral("Normal");
}
