// The colours that tell the kinds of grid lines apart on screen.
#pragma once

#include <optional>

#include "appearance/color_value.h"
#include "grid/calc_line.h"

namespace tallimo {

inline constexpr ColorValue kFunctionLineBack = 0xE0E0E0;
inline constexpr ColorValue kResultLineBack = 0xC0C0C0;
inline constexpr ColorValue kCancellationLineBack = SystemColor(18);  // button text
inline constexpr ColorValue kCancellationLineFore = SystemColor(14);  // highlight text

// Background of columns 0 and 1; nothing means the grid's ordinary cells.
constexpr std::optional<ColorValue> LineBackColor(LineKind kind) {
    switch (kind) {
        case LineKind::Function:
            return kFunctionLineBack;
        case LineKind::Result:
            return kResultLineBack;
        case LineKind::Cancellation:
            return kCancellationLineBack;
        case LineKind::Operation:
            break;
    }
    return std::nullopt;
}

// Text colour of column 1; nothing means the default.
constexpr std::optional<ColorValue> LineValueForeColor(LineKind kind) {
    if (kind == LineKind::Cancellation) {
        return kCancellationLineFore;
    }
    return std::nullopt;
}

}  // namespace tallimo
