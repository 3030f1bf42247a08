#include "dates/count_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace tallimo {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c, int base) {
    if (base == 16) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    }
    return c >= '0' && c < static_cast<char>('0' + base);
}

// Reads digits of `base` at `pos`; their count.
std::size_t SkipDigits(std::string_view text, std::size_t& pos, int base) {
    const std::size_t start = pos;
    while (pos < text.size() && IsDigit(text[pos], base)) {
        ++pos;
    }
    return pos - start;
}

CountText Refused() {
    return {};
}

// A whole count as plain decimal digits, however long: never an exponent,
// which the field would read back only up to its comma. The digits are the
// fewest that give back the count, the zeros after them stand for its size:
// 2^128 is "340282366920938500000000000000000000000", not the binary value's
// every digit.
std::string PlainWholeText(double value) {
    std::array<char, 32> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                       value == 0 ? 0.0 : value, std::chars_format::scientific);
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(written.ptr - buffer.data()));
    const std::size_t e = text.find('e');
    int exponent = 0;
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    exponent);
    std::string plain = text[0] == '-' ? "-" : "";
    std::string digits;
    for (const char c : text.substr(0, e)) {
        if (c >= '0' && c <= '9') {
            digits += c;
        }
    }
    // The digits stand for d.ddd x 10^exponent; a count has no fraction.
    const std::size_t whole = exponent < 0 ? 0 : static_cast<std::size_t>(exponent) + 1;
    digits.resize(std::max(whole, std::size_t{1}), '0');
    return exponent < 0 ? std::string("0") : plain + digits;
}

}  // namespace

CountText ReadCountText(std::string_view text) {
    if (text.empty()) {
        return {CountText::Kind::Empty, 0, "0"};
    }
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(text[end - 1])) {
        --end;
    }
    const std::string_view body = text.substr(begin, end - begin);
    std::size_t pos = 0;
    const bool negative = !body.empty() && body[0] == '-';
    if (!body.empty() && (body[0] == '-' || body[0] == '+')) {
        ++pos;
    }
    if (pos == body.size()) {
        return pos == 1 ? CountText{CountText::Kind::SignOnly, 0, std::string(text)} : Refused();
    }

    double value = 0;
    if (body[pos] == '&') {
        const int base =
            pos + 1 < body.size() && (body[pos + 1] == 'H' || body[pos + 1] == 'h')   ? 16
            : pos + 1 < body.size() && (body[pos + 1] == 'O' || body[pos + 1] == 'o') ? 8
                                                                                      : 0;
        pos += 2;
        const std::size_t digits_at = pos;
        if (base == 0 || SkipDigits(body, pos, base) == 0 || pos != body.size()) {
            return Refused();
        }
        for (std::size_t i = digits_at; i < pos; ++i) {
            int digit = 0;
            std::from_chars(&body[i], &body[i] + 1, digit, base);
            value = value * base + digit;
        }
    } else {
        const std::size_t whole_at = pos;
        const std::size_t whole_digits = SkipDigits(body, pos, 10);
        const std::size_t whole_end = pos;
        std::size_t fraction_digits = 0;
        const bool comma = pos < body.size() && body[pos] == ',';
        if (comma) {
            ++pos;
            fraction_digits = SkipDigits(body, pos, 10);
        }
        if (whole_digits + fraction_digits == 0) {
            return Refused();
        }
        std::size_t exponent_at = body.size();
        if (pos < body.size() && (body[pos] == 'E' || body[pos] == 'e')) {
            exponent_at = pos++;
            if (pos < body.size() && (body[pos] == '-' || body[pos] == '+')) {
                ++pos;
            }
            if (SkipDigits(body, pos, 10) == 0) {
                return Refused();
            }
        }
        if (pos != body.size()) {
            return Refused();
        }
        // The value stops at the comma; without one the exponent counts.
        std::string plain = "0";
        plain += body.substr(whole_at, whole_end - whole_at);
        if (!comma && exponent_at < body.size()) {
            plain += body.substr(exponent_at);
        }
        const auto [ptr, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
        if (error == std::errc::result_out_of_range) {
            // Too small for a double counts nothing; too large, infinitely many.
            value = plain.find_first_of('-') == std::string::npos
                        ? std::numeric_limits<double>::infinity()
                        : 0;
        } else if (error != std::errc()) {
            return Refused();
        }
    }
    if (!std::isfinite(value)) {
        // Beyond any double: a count past every limit, left as typed for the
        // window to refuse with its message.
        return {CountText::Kind::Number, negative ? -value : value, std::string(text)};
    }
    value = std::trunc(negative ? -value : value);
    return {CountText::Kind::Number, value, PlainWholeText(value)};
}

}  // namespace tallimo
