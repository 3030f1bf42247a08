#include "converter/base_conversion.h"

#include <charconv>

namespace tallimo {
namespace {

int Radix(Column column) {
    switch (column) {
        case Column::Hexa:
            return 16;
        case Column::Octal:
            return 8;
        case Column::Dec:
            return 10;
    }
    return 10;
}

// The digit's value in the column's notation, or -1.
int DigitValue(Column column, char32_t c) {
    int value = -1;
    if (c >= U'0' && c <= U'9') {
        value = static_cast<int>(c - U'0');
    } else if (c >= U'A' && c <= U'F') {
        value = static_cast<int>(c - U'A') + 10;
    } else if (c >= U'a' && c <= U'f') {
        value = static_cast<int>(c - U'a') + 10;
    }
    return value < Radix(column) ? value : -1;
}

}  // namespace

std::string_view ColumnTitle(Column column) {
    switch (column) {
        case Column::Hexa:
            return "Hexadécimal";
        case Column::Octal:
            return "Octal";
        case Column::Dec:
            return "Décimal";
    }
    return {};
}

bool AcceptsCharacter(Column column, char32_t character) {
    return character == U'\b' || DigitValue(column, character) >= 0;
}

std::optional<std::uint32_t> ReadValue(Column column, std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    const auto radix = static_cast<std::uint32_t>(Radix(column));
    std::uint32_t value = 0;
    for (const char c : text) {
        // A byte of a multibyte character is above 0x7F and no digit.
        const int digit = DigitValue(column, static_cast<unsigned char>(c));
        if (digit < 0) {
            return std::nullopt;
        }
        // Stop before the sum can leave 32 bits; leading zeros keep it at 0.
        if (value > (kMaxValue - static_cast<std::uint32_t>(digit)) / radix) {
            return std::nullopt;
        }
        value = value * radix + static_cast<std::uint32_t>(digit);
    }
    return value;
}

std::string WriteValue(Column column, std::uint32_t value) {
    char buffer[16];
    char* end = std::to_chars(buffer, buffer + sizeof buffer, value, Radix(column)).ptr;
    std::string text(buffer, static_cast<std::size_t>(end - buffer));
    for (char& c : text) {
        if (c >= 'a' && c <= 'f') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

RowConversion ConvertRow(Column column, std::string_view text) {
    RowConversion result;
    if (text.empty()) {
        return result;
    }
    const std::optional<std::uint32_t> value = ReadValue(column, text);
    if (!value) {
        result.failed = true;
        result.texts.fields.fill(std::string(kInvalidEntry));
        return result;
    }
    for (const Column other : kColumns) {
        result.texts[other] = other == column ? std::string(text) : WriteValue(other, *value);
    }
    return result;
}

}  // namespace tallimo
