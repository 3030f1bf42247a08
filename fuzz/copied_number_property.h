// What must hold for any text given to the copied-number reader ("Coller" and
// the edit panel's operand box), shared by its fuzz target and the test that
// replays the inputs it kept.
#pragma once

#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "numbers/copied_number.h"
#include "numbers/number_text.h"

namespace tallimo::fuzz {

inline std::string CheckCopiedNumber(std::string_view text) {
    const std::optional<double> value = ReadCopiedNumber(text);
    if (value && !std::isfinite(*value)) {
        return "a copied text read as an infinite or NaN number";
    }
    if (ReadCopiedNumber(" " + std::string(text) + "\n") != value) {
        return "blanks around a copied text changed what it reads as";
    }
    if (const std::optional<double> plain = TextToNumber(text); plain && plain != value) {
        return "a number in the display's own form read differently";
    }
    if (value) {
        // What the display then shows can be copied and pasted again.
        const std::string shown = NumberToText(*value);
        const std::optional<double> again = ReadCopiedNumber(shown);
        if (!again || NumberToText(*again) != shown) {
            return "the display's text of a pasted number does not paste back";
        }
    }
    return {};
}

}  // namespace tallimo::fuzz
