#include "dates/count_text.h"

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

#include "numbers/number_text.h"

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

}  // namespace

namespace {

// The text a count field shows: the display's, unless that has an exponent
// (a count of more than 15 digits). The display rounds to 15 digits and puts
// a comma in "1,1E+31", which would end the count when the field is read
// again; a count shows instead its shortest exact digits, the exponent moved
// past them: "11E+30".
std::string CountNormalText(double value) {
    std::string text = NumberToText(value);
    if (text.find('E') == std::string::npos) {
        return text;  // a whole number of 15 digits at most: exact
    }
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const std::string_view exact(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const std::size_t e = exact.find('e');
    std::string digits(exact.substr(0, e));  // "-1.1"
    int exponent = 0;
    std::from_chars(exact.data() + e + (exact[e + 1] == '+' ? 2 : 1), exact.data() + exact.size(),
                    exponent);
    if (const std::size_t dot = digits.find('.'); dot != std::string::npos) {
        exponent -= static_cast<int>(digits.size() - dot - 1);
        digits.erase(dot, 1);
    }
    return digits + (exponent < 0 ? "E-" : "E+") +
           std::to_string(exponent < 0 ? -exponent : exponent);
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
        if (error != std::errc() || !std::isfinite(value)) {
            return Refused();
        }
    }
    if (!std::isfinite(value)) {
        return Refused();
    }
    value = std::trunc(negative ? -value : value);
    return {CountText::Kind::Number, value, CountNormalText(value)};
}

}  // namespace tallimo
