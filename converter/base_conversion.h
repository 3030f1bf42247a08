// Whole numbers between hexadecimal, octal and decimal notation, as the
// converter's three columns write them, and what each column lets be typed.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tallimo {

// The converter's columns, from left to right.
enum class Column : std::uint8_t { Hexa, Octal, Dec };
inline constexpr int kColumnCount = 3;
inline constexpr std::array<Column, kColumnCount> kColumns{Column::Hexa, Column::Octal,
                                                           Column::Dec};

// The column's heading, which also names its fields for screen readers
// (UTF-8): "Hexadécimal", "Octal", "Décimal".
std::string_view ColumnTitle(Column column);

// The values that convert: the 32-bit signed range, negatives excepted.
inline constexpr std::uint32_t kMaxValue = 2147483647;

// What a row shows in its three fields when its typed text does not convert.
inline constexpr std::string_view kInvalidEntry = "<Saisie non valide>";

// Whether a typed character goes into a field of the column: the column's
// digits (hexadecimal letters in either case) and Backspace (8). Everything
// else, blanks, signs, separators and control characters, is refused.
bool AcceptsCharacter(Column column, char32_t character);

// The value that a field's text holds in the column's notation. Nothing when
// the text is empty, holds anything but the column's digits, or is above
// kMaxValue; leading zeros count for nothing, however many.
std::optional<std::uint32_t> ReadValue(Column column, std::string_view text);

// The value in the column's notation, without prefix or leading zeros:
// upper-case hexadecimal, octal, plain decimal.
std::string WriteValue(Column column, std::uint32_t value);

// The texts of a row's three fields.
struct RowTexts {
    std::array<std::string, kColumnCount> fields;

    std::string& operator[](Column column) { return fields[static_cast<std::size_t>(column)]; }
    const std::string& operator[](Column column) const {
        return fields[static_cast<std::size_t>(column)];
    }
    bool Empty() const { return fields[0].empty() && fields[1].empty() && fields[2].empty(); }
    friend bool operator==(const RowTexts&, const RowTexts&) = default;
};

struct RowConversion {
    RowTexts texts;
    bool failed = false;
};

// A row whose `column` field now holds `text`. The typed field keeps its
// text exactly ("ff", "007"); an empty text empties the row; a text that
// does not convert puts kInvalidEntry in all three fields and fails.
RowConversion ConvertRow(Column column, std::string_view text);

}  // namespace tallimo
