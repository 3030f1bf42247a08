// One line of the calculation grid and its kind.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tallimo {

// A colour value: with the top bit clear an RGB colour (red in the low byte),
// 0x800000nn a reference to system colour nn, resolved when drawing.
using ColorValue = std::int32_t;

constexpr ColorValue SystemColor(int index) {
    return static_cast<ColorValue>(0x80000000u | static_cast<std::uint32_t>(index));
}
constexpr bool IsSystemColor(ColorValue c) {
    return c < 0;
}

// The codes are those of the calculation file.
enum class LineKind : std::uint8_t {
    Operation = 0,     // a first operand, or an operator with its operand
    Function = 1,      // a function applied, "+/-" included
    Result = 2,        // an "="
    Cancellation = 3,  // a reset during an unfinished calculation
};

// A file's kind code: 1 to 3 name their kinds, every other code shows as an
// operation line.
constexpr LineKind LineKindFromCode(int code) {
    return code >= 1 && code <= 3 ? static_cast<LineKind>(code) : LineKind::Operation;
}

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

inline constexpr const char* kCancellationText = "Annulation";
inline constexpr const char* kErrorText = "Erreur!";
// A comment is stored behind these ten spaces, which push it out of the
// narrow comment cell so that only the comment picture shows.
inline constexpr const char* kCommentPadding = "          ";

struct CalcLine {
    std::string Operation;
    std::string Value;
    std::string Comment;   // empty, or ten spaces and the comment
    std::string Decimals;  // the decimals count of "Décimal" and "Arrond"
    LineKind Kind = LineKind::Operation;

    bool HasComment() const { return !Comment.empty(); }
    bool operator==(const CalcLine&) const = default;
};

}  // namespace tallimo
