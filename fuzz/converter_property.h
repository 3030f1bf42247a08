// What must hold for any text typed in one of the converter's fields, shared
// by its fuzz target and the test that replays the inputs it kept.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "converter/base_conversion.h"

namespace tallimo::fuzz {

// The first byte chooses the column, the rest is the typed text.
inline std::string CheckConverterField(std::string_view bytes) {
    if (bytes.empty()) {
        return {};
    }
    const Column column = kColumns[static_cast<unsigned char>(bytes[0]) % kColumnCount];
    const std::string_view text = bytes.substr(1);
    const RowConversion row = ConvertRow(column, text);
    const std::optional<std::uint32_t> value = ReadValue(column, text);
    if (text.empty()) {
        return row.texts.Empty() && !row.failed ? std::string() : "an emptied field left text";
    }
    if (!value) {
        for (const std::string& field : row.texts.fields) {
            if (!row.failed || field != kInvalidEntry) {
                return "a text that does not convert was not shown as such";
            }
        }
        return {};
    }
    if (row.failed || *value > kMaxValue || row.texts[column] != text) {
        return "a converted field lost its typed text";
    }
    for (const char c : text) {
        if (!AcceptsCharacter(column, static_cast<unsigned char>(c))) {
            return "a converted text holds a character the field refuses";
        }
    }
    for (const Column other : kColumns) {
        if (ReadValue(other, row.texts[other]) != value ||
            (other != column && row.texts[other] != WriteValue(other, *value))) {
            return "the three fields of a row do not hold the same value";
        }
    }
    return {};
}

}  // namespace tallimo::fuzz
