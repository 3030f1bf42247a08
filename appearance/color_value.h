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

}  // namespace tallimo
