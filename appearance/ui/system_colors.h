// Colour values on the screen: RGB values as they are, system colour
// references through the desktop's palette.
#pragma once

#include <QColor>
#include <QPalette>
#include <optional>
#include <string_view>

#include "appearance/color_value.h"

namespace tallimo {

// The colour of a value now. An RGB value has red in its low byte. A system
// colour reference takes its colour from a role of the palette, so a change
// of the desktop's theme shows at the next repaint; a reference to no system
// colour gives black.
QColor ResolveColor(ColorValue value, const QPalette& palette);
// The same with the application's palette.
QColor ResolveColor(ColorValue value);

// The French name of the desktop colour that a system colour reference
// follows ("face des boutons"); nothing for an RGB value or a reference to no
// system colour.
std::optional<std::string_view> SystemColorName(ColorValue value);

// The RGB value of a colour, red in the low byte.
ColorValue ToColorValue(const QColor& colour);

}  // namespace tallimo
