// The five colours of the calculator window, the styles that choose them and
// their place in the settings store.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "appearance/color_value.h"
#include "appearance/settings_store.h"

namespace tallimo {

// In this order: window and keys, key glyphs, grid backgrounds, dial
// background, dial text.
using FiveColors = std::array<ColorValue, 5>;

inline constexpr int kCustomStyle = 4;
inline constexpr int kStyleCount = 4;

// The colours a window shows, with the style they come from (1..4).
struct ColorSet {
    int style = 1;
    FiveColors colors{};

    friend bool operator==(const ColorSet&, const ColorSet&) = default;
};

// The fixed colours of the predefined styles 1..3.
FiveColors PredefinedColors(int style);
// Style 1's colours, which are also the custom colours never chosen.
inline FiveColors DefaultColors() {
    return PredefinedColors(1);
}
// The colours of a style: the table's for 1..3, `custom` for the custom
// style.
ColorSet StyleColorSet(int style, const FiveColors& custom);

// The caption of a style's option and of a colour's button (UTF-8).
std::string_view StyleCaption(int style);
std::string_view ColorCaption(int index);  // 0..4

// A stored text as a colour: a signed decimal integer that is an RGB colour
// or a reference to a system colour the program knows; nothing otherwise.
std::optional<ColorValue> ParseColorValue(std::string_view text);
// A colour as the store keeps it: signed decimal, a system colour reference
// negative.
std::string ColorValueText(ColorValue value);

// The settings group and its keys.
inline constexpr std::string_view kColorsGroup = "Colors";
inline constexpr std::string_view kStyleKey = "Style";
std::string ColorKey(int index);  // 0..4: "Color1".."Color5"

// What the store holds, each value that is missing or unusable replaced by
// its default: style 1 and the style-1 colours.
int StoredStyle(const SettingsStore& store);
FiveColors StoredCustomColors(const SettingsStore& store);

// The colours the window starts with. The custom colours are read only for
// the custom style.
ColorSet LoadColors(const SettingsStore& store);

// Writes the style, then for the custom style its five colours; the custom
// colours stored before are kept with a predefined style. False when the
// store could not be written; it then holds what it held before.
bool SaveColors(SettingsStore& store, int style, const FiveColors& custom);

}  // namespace tallimo
