// The colour value that styles, keys and grid lines are painted with.
#pragma once

#include <cstdint>

namespace tallimo {

// With the top bit clear an RGB colour (red in the low byte); 0x800000nn
// refers to system colour nn and is resolved when drawing, so that a change
// of the desktop's theme is followed.
using ColorValue = std::int32_t;

constexpr ColorValue SystemColor(int index) {
    return static_cast<ColorValue>(0x80000000u | static_cast<std::uint32_t>(index));
}
constexpr bool IsSystemColor(ColorValue c) {
    return c < 0;
}

// The system colours the desktop's palette answers for: 0..30.
inline constexpr int kSystemColorCount = 31;

// An RGB colour (no bits above blue) or a reference to a system colour
// above; anything else draws as black.
constexpr bool IsDrawableColor(ColorValue c) {
    return (c >= 0 && c <= 0xFFFFFF) || (c >= SystemColor(0) && c < SystemColor(kSystemColorCount));
}

}  // namespace tallimo
