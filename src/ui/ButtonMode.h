#pragma once

#include <QString>
#include <optional>

// How the standard buttons show: text and icons, text only or icons only, and the stored
// "ToolBarMain" text of each.
enum class ButtonMode { Normal, TextOnly, IconsOnly };

namespace ButtonModes {
// The mode a stored value selects: "TextOnly", "IconsOnly" or "Normal"; nothing for any other.
std::optional<ButtonMode> fromStored(const QString &value);
QString stored(ButtonMode mode);
}
