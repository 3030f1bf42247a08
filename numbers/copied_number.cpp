#include "numbers/copied_number.h"

#include <string>

#include "numbers/number_text.h"

namespace tallimo {

namespace {

constexpr std::string_view kNoBreakSpace = "\xC2\xA0";
constexpr std::string_view kNarrowNoBreakSpace = "\xE2\x80\xAF";
constexpr std::string_view kEuro = "\xE2\x82\xAC";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The length of the space (ordinary or no-break) at the start of `text`; 0
// when there is none.
std::size_t SpaceAt(std::string_view text) {
    if (text.starts_with(' ')) {
        return 1;
    }
    if (text.starts_with(kNoBreakSpace)) {
        return kNoBreakSpace.size();
    }
    if (text.starts_with(kNarrowNoBreakSpace)) {
        return kNarrowNoBreakSpace.size();
    }
    return 0;
}

std::size_t SpaceBefore(std::string_view text) {
    for (std::string_view space : {std::string_view(" "), kNoBreakSpace, kNarrowNoBreakSpace}) {
        if (text.ends_with(space)) {
            return space.size();
        }
    }
    return 0;
}

std::string_view TrimBlanks(std::string_view text) {
    for (;;) {
        if (!text.empty() &&
            (text.front() == '\t' || text.front() == '\r' || text.front() == '\n')) {
            text.remove_prefix(1);
        } else if (const std::size_t n = SpaceAt(text)) {
            text.remove_prefix(n);
        } else {
            break;
        }
    }
    for (;;) {
        if (!text.empty() && (text.back() == '\t' || text.back() == '\r' || text.back() == '\n')) {
            text.remove_suffix(1);
        } else if (const std::size_t n = SpaceBefore(text)) {
            text.remove_suffix(n);
        } else {
            break;
        }
    }
    return text;
}

enum class Separator { None, Space, Point };

// Reads the integer part with its thousands separators into `digits`;
// answers the length read, or nothing when the grouping is wrong.
std::optional<std::size_t> ReadGroupedInteger(std::string_view text, bool points_group,
                                              std::string& digits) {
    Separator kind = Separator::None;
    std::size_t group = 0;  // digits in the current group
    std::size_t groups = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (IsDigit(text[i])) {
            digits += text[i++];
            ++group;
            continue;
        }
        Separator here = Separator::None;
        std::size_t length = SpaceAt(text.substr(i));
        if (length > 0) {
            here = Separator::Space;
        } else if (points_group && text[i] == '.') {
            here = Separator::Point;
            length = 1;
        }
        if (here == Separator::None) {
            break;
        }
        // A separator follows a full group and is followed by a digit.
        const bool group_ok = groups == 0 ? group >= 1 && group <= 3 : group == 3;
        if (!group_ok || (kind != Separator::None && kind != here) || i + length >= text.size() ||
            !IsDigit(text[i + length])) {
            return std::nullopt;
        }
        kind = here;
        ++groups;
        group = 0;
        i += length;
    }
    if (groups > 0 && group != 3) {
        return std::nullopt;
    }
    return i;
}

}  // namespace

std::optional<double> ReadCopiedNumber(std::string_view text) {
    text = TrimBlanks(text);
    if (text.ends_with(kEuro)) {
        text.remove_suffix(kEuro.size());
        text.remove_suffix(SpaceBefore(text));
    }
    if (text.starts_with('+')) {
        text.remove_prefix(1);
        if (text.starts_with('-')) {
            return std::nullopt;
        }
    }
    std::string plain;
    plain.reserve(text.size());
    if (text.starts_with('-')) {
        plain += '-';
        text.remove_prefix(1);
    }
    const bool has_comma = text.find(',') != std::string_view::npos;
    const std::optional<std::size_t> integer = ReadGroupedInteger(text, has_comma, plain);
    if (!integer) {
        return std::nullopt;
    }
    std::string_view rest = text.substr(*integer);
    // Without a comma, a point is the decimal mark.
    if (!has_comma && rest.starts_with('.')) {
        plain += ',';
        rest.remove_prefix(1);
    }
    plain += rest;
    // The rest (fraction and exponent) must be what TextToNumber reads; a
    // second point or a stray character makes it no number.
    return TextToNumber(plain);
}

}  // namespace tallimo
