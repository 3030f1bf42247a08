#include "numbers/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace tallimo {

std::size_t WriteNumberText(double value, char (&buffer)[kNumberTextRoom]) {
    // "-d.dddddddddddddde-308" is the longest: 22 characters.
    auto [end, ec] =
        std::to_chars(buffer, buffer + kNumberTextRoom, value, std::chars_format::general, 15);
    if (value == 0.0 || ec != std::errc{}) {
        buffer[0] = '0';
        return 1;
    }
    for (char* c = buffer; c != end; ++c) {
        if (*c == '.') {
            *c = ',';
        } else if (*c == 'e') {
            *c = 'E';
        }
    }
    return static_cast<std::size_t>(end - buffer);
}

std::string NumberToText(double value) {
    char buffer[kNumberTextRoom];
    return std::string(buffer, WriteNumberText(value, buffer));
}

namespace {

constexpr long long kExponentCap = 1'000'000'000;

// The power of ten of the first significant digit of "[-]digits[.digits][e...]"
// (0 for 1 to 9,99..., -1 for 0,1 to 0,99...), given the exponent part's value;
// 0 for a text of zeros only.
long long DecimalMagnitude(std::string_view plain, long long exponent) {
    std::size_t k = plain.empty() || plain.front() != '-' ? 0 : 1;
    long long position = -1;  // of the digit at k, relative to the point
    const std::size_t point = plain.find('.');
    const std::size_t int_end = point == std::string_view::npos ? plain.find('e') : point;
    position =
        static_cast<long long>((int_end == std::string_view::npos ? plain.size() : int_end) - k) -
        1;
    for (; k < plain.size() && plain[k] != 'e'; ++k) {
        if (plain[k] == '.') {
            continue;
        }
        if (plain[k] != '0') {
            return position + exponent;
        }
        --position;
    }
    return 0;
}

}  // namespace

std::optional<double> TextToNumber(std::string_view text) {
    // Validate the grammar first, building the "." form that from_chars reads.
    std::string plain;
    plain.reserve(text.size());
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto is_digit = [](char c) { return c >= '0' && c <= '9'; };
    if (i < n && text[i] == '-') {
        plain += '-';
        ++i;
    }
    std::size_t int_digits = 0;
    while (i < n && is_digit(text[i])) {
        plain += text[i++];
        ++int_digits;
    }
    std::size_t frac_digits = 0;
    if (i < n && text[i] == ',') {
        ++i;
        std::string frac;
        while (i < n && is_digit(text[i])) {
            frac += text[i++];
            ++frac_digits;
        }
        if (frac_digits > 0) {
            plain += '.';
            plain += frac;
        }
    }
    if (int_digits + frac_digits == 0) {
        return std::nullopt;
    }
    if (int_digits == 0) {
        plain.insert(plain.size() - frac_digits - 1, "0");
    }
    long long exponent = 0;  // saturated: only its sign matters below
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        plain += 'e';
        ++i;
        bool exponent_negative = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            exponent_negative = text[i] == '-';
            plain += text[i++];
        }
        std::size_t exp_digits = 0;
        while (i < n && is_digit(text[i])) {
            if (exponent < kExponentCap) {
                exponent = exponent * 10 + (text[i] - '0');
            }
            plain += text[i++];
            ++exp_digits;
        }
        if (exp_digits == 0) {
            return std::nullopt;
        }
        if (exponent_negative) {
            exponent = -exponent;
        }
    }
    if (i != n) {
        return std::nullopt;
    }
    double value = 0.0;
    auto [ptr, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ptr != plain.data() + plain.size()) {
        return std::nullopt;
    }
    if (ec == std::errc::result_out_of_range) {
        // from_chars answers out of range for a value that rounds to zero as
        // well as for one beyond the largest double. Only the second is no
        // number: a value below the smallest subnormal is read as 0, its
        // nearest double (anything that rounds to a subnormal is read as one).
        if (DecimalMagnitude(plain, exponent) < 0) {
            return 0.0;
        }
        return std::nullopt;
    }
    if (ec != std::errc{} || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

DecimalDigits ToDecimalDigits(double value) {
    DecimalDigits result;
    if (value == 0.0 || !std::isfinite(value)) {
        return result;
    }
    // "d.dddddddddddddde±x": 15 significant digits in scientific form.
    std::array<char, 64> buffer{};
    auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::scientific, 14);
    if (ec != std::errc{}) {
        return result;
    }
    std::string_view text(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    std::size_t pos = 0;
    if (text[pos] == '-') {
        result.negative = true;
        ++pos;
    }
    const std::size_t e = text.find('e');
    for (std::size_t k = pos; k < e; ++k) {
        if (text[k] != '.') {
            result.digits += text[k];
        }
    }
    int exponent = 0;
    std::string_view exp_text = text.substr(e + 1);
    if (!exp_text.empty() && exp_text.front() == '+') {
        exp_text.remove_prefix(1);
    }
    std::from_chars(exp_text.data(), exp_text.data() + exp_text.size(), exponent);
    result.exponent = exponent + 1;
    while (!result.digits.empty() && result.digits.back() == '0') {
        result.digits.pop_back();
    }
    return result;
}

namespace {

// Adds one unit at the last digit of a digit string; returns true on a carry
// out of the first digit.
bool IncrementDigits(std::string& digits) {
    for (std::size_t k = digits.size(); k-- > 0;) {
        if (digits[k] == '9') {
            digits[k] = '0';
        } else {
            ++digits[k];
            return false;
        }
    }
    return true;
}

}  // namespace

double RoundDecimals(double value, int decimals, Rounding mode) {
    DecimalDigits d = ToDecimalDigits(value);
    if (d.digits.empty()) {
        return 0.0;
    }
    // Digits kept: those before the point plus `decimals` after it.
    const long keep = static_cast<long>(d.exponent) + decimals;
    std::string kept;
    bool round_up = false;
    if (keep >= static_cast<long>(d.digits.size())) {
        kept = d.digits;
    } else if (keep >= 0) {
        kept = d.digits.substr(0, static_cast<std::size_t>(keep));
        const std::string_view rest =
            std::string_view(d.digits).substr(static_cast<std::size_t>(keep));
        const char first = rest.front();
        const bool beyond_half = rest.size() > 1;  // digits carry no trailing zero
        switch (mode) {
            case Rounding::TowardZero:
                break;
            case Rounding::HalfAwayFromZero:
                round_up = first >= '5';
                break;
            case Rounding::HalfToEven:
                if (first > '5' || (first == '5' && beyond_half)) {
                    round_up = true;
                } else if (first == '5') {
                    const int last = kept.empty() ? 0 : kept.back() - '0';
                    round_up = (last % 2) != 0;
                }
                break;
        }
    }
    // keep < 0: the value is below half a unit of the last kept place.
    if (round_up) {
        if (kept.empty()) {
            // One unit at the last kept place: 0.1 * 10^(1 - decimals).
            kept = "1";
            d.exponent = 1 - decimals;
        } else if (IncrementDigits(kept)) {
            kept.insert(kept.begin(), '1');
            d.exponent += 1;
        }
    }
    if (kept.empty()) {
        return 0.0;
    }
    std::string text = d.negative ? "-0." : "0.";
    text += kept;
    text += 'e';
    text += std::to_string(d.exponent);
    double result = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), result);
    if (result == 0.0) {
        return 0.0;
    }
    return result;
}

}  // namespace tallimo
