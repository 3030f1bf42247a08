#include "grid/packed_line.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "numbers/number_text.h"

namespace tallimo {

namespace {

// The names the calculator writes in the operation cell. Index 0 is the
// empty operation. A name not listed is kept beside the line.
constexpr std::array<std::string_view, 25> kKnownOperations = {
    "",      "+",       "-",      "x",    "/",       "Mod",   "x^y",  "Log n", "=",
    "Euros", "Francs",  "Int",    "0,00", "RCarrée", "Carré", "Cube", "1/x",   "Log",
    "e^x",   "Décimal", "Arrond", "Cos",  "Sin",     "Tan",   "+/-"};

std::optional<std::uint8_t> OperationCode(std::string_view text) {
    for (std::size_t i = 0; i < kKnownOperations.size(); ++i) {
        if (kKnownOperations[i] == text) {
            return static_cast<std::uint8_t>(i);
        }
    }
    return std::nullopt;
}

// A number text in its digits: value = (negative ? -1 : 1) x digits x
// 10^exponent, digits without trailing zeros.
struct DecimalNumber {
    std::uint64_t digits = 0;
    int exponent = 0;
    bool negative = false;
};

constexpr int kMostDigits = 17;

// The decimal digits of "[-]digits[,digits][E[+-]digits]" with at most
// kMostDigits significant digits; nothing for any other text.
std::optional<DecimalNumber> ReadDecimal(std::string_view text) {
    DecimalNumber number;
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (i < n && text[i] == '-') {
        number.negative = true;
        ++i;
    }
    int significant = 0;
    int fraction_digits = 0;
    bool any_digit = false;
    bool in_fraction = false;
    for (; i < n; ++i) {
        const char c = text[i];
        if (c == ',' && !in_fraction) {
            in_fraction = true;
            continue;
        }
        if (c < '0' || c > '9') {
            break;
        }
        any_digit = true;
        if (number.digits == 0 && c == '0') {
            if (in_fraction) {
                ++fraction_digits;
            }
            continue;
        }
        if (++significant > kMostDigits) {
            return std::nullopt;
        }
        number.digits = number.digits * 10 + static_cast<std::uint64_t>(c - '0');
        if (in_fraction) {
            ++fraction_digits;
        }
    }
    if (!any_digit) {
        return std::nullopt;
    }
    int exponent = 0;
    if (i < n && text[i] == 'E') {
        ++i;
        const bool exponent_negative = i < n && text[i] == '-';
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        const std::size_t first = i;
        for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i) {
            if (i - first >= 4) {
                return std::nullopt;
            }
            exponent = exponent * 10 + (text[i] - '0');
        }
        if (i == first) {
            return std::nullopt;
        }
        if (exponent_negative) {
            exponent = -exponent;
        }
    }
    if (i != n) {
        return std::nullopt;
    }
    number.exponent = exponent - fraction_digits;
    while (number.digits != 0 && number.digits % 10 == 0) {
        number.digits /= 10;
        ++number.exponent;
    }
    if (number.digits == 0) {
        number.exponent = 0;
    }
    return number;
}

// The text NumberToText gives a number of these digits: "%.15G" with a
// decimal comma, fixed from 1E-05 up to below 1E+15, else with an exponent
// of at least two digits. Returns the text's length.
std::size_t WriteDecimal(const DecimalNumber& number, char (&buffer)[kNumberTextRoom]) {
    if (number.digits == 0) {
        buffer[0] = '0';
        return 1;
    }
    char digit_buffer[24];
    const char* digits_end = std::to_chars(digit_buffer, digit_buffer + 24, number.digits).ptr;
    const std::string_view digits(digit_buffer,
                                  static_cast<std::size_t>(digits_end - digit_buffer));
    const int count = static_cast<int>(digits.size());
    const int magnitude = count - 1 + number.exponent;  // of the first digit
    char* out = buffer;
    auto put = [&out](std::string_view text) { out = std::copy(text.begin(), text.end(), out); };
    if (number.negative) {
        *out++ = '-';
    }
    if (magnitude < -4 || magnitude >= 15) {
        *out++ = digits.front();
        if (count > 1) {
            *out++ = ',';
            put(digits.substr(1));
        }
        put(magnitude < 0 ? "E-" : "E+");
        const int size = std::abs(magnitude);
        if (size < 10) {
            *out++ = '0';
        }
        out = std::to_chars(out, buffer + kNumberTextRoom, size).ptr;
    } else if (magnitude < 0) {
        put("0,");
        out = std::fill_n(out, -magnitude - 1, '0');
        put(digits);
    } else if (count <= magnitude + 1) {
        put(digits);
        out = std::fill_n(out, magnitude + 1 - count, '0');
    } else {
        put(digits.substr(0, static_cast<std::size_t>(magnitude + 1)));
        *out++ = ',';
        put(digits.substr(static_cast<std::size_t>(magnitude + 1)));
    }
    return static_cast<std::size_t>(out - buffer);
}

std::string_view DecimalText(const DecimalNumber& number, char (&buffer)[kNumberTextRoom]) {
    return {buffer, WriteDecimal(number, buffer)};
}

bool Renders(const DecimalNumber& number, std::string_view text) {
    char buffer[kNumberTextRoom];
    return DecimalText(number, buffer) == text;
}

// The nearest double, as TextToNumber reads the text. Small numbers are
// read exactly: the digits and the power of ten are both exact doubles, so
// one multiplication or division rounds once, to the nearest.
std::optional<double> DecimalValue(const DecimalNumber& number) {
    constexpr std::array<double, 23> kPowers = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    constexpr std::uint64_t kExactDigits = std::uint64_t{1} << 53;
    if (number.digits < kExactDigits && std::abs(number.exponent) <= 22) {
        double value = static_cast<double>(number.digits);
        if (number.exponent >= 0) {
            value *= kPowers[static_cast<std::size_t>(number.exponent)];
        } else {
            value /= kPowers[static_cast<std::size_t>(-number.exponent)];
        }
        return number.negative ? -value : value;
    }
    char buffer[kNumberTextRoom];
    return TextToNumber(DecimalText(number, buffer));
}

}  // namespace

// Six lines of this size fit in the room of one CalcLine.
static_assert(sizeof(PackedLine) <= 24);

PackedLine::PackedLine(const CalcLine& line)
    : PackedLine(line.Kind, line.Operation, line.Value, line.Comment, line.Decimals,
                 line.Computed) {}

PackedLine::PackedLine(LineKind kind, std::string_view operation, std::string_view value,
                       std::string_view comment, std::string_view decimals,
                       std::optional<double> computed) {
    SetKind(kind);
    SetOperation(operation);
    SetValue(value, computed);
    SetComment(comment);
    SetDecimals(decimals);
}

PackedLine::PackedLine(const PackedLine& other)
    : digits_(other.digits_),
      beside_(CopyOfBlock(other.beside_.get())),
      exponent_(other.exponent_),
      operation_(other.operation_),
      bits_(other.bits_) {
    std::memcpy(decimals_, other.decimals_, sizeof decimals_);
}

PackedLine& PackedLine::operator=(const PackedLine& other) {
    if (this != &other) {
        PackedLine copy(other);
        *this = std::move(copy);
    }
    return *this;
}

CalcLine PackedLine::Unpacked() const {
    CalcLine line;
    line.Operation = Operation();
    line.Value = Value();
    line.Comment = Comment();
    line.Decimals = Decimals();
    line.Kind = Kind();
    line.Computed = Computed();
    return line;
}

std::string_view PackedLine::Operation() const {
    if (operation_ == kOperationBeside) {
        return BesideText(kOperationField);
    }
    return kKnownOperations[operation_];
}

std::string_view PackedLine::ValueText(char (&buffer)[kNumberTextRoom]) const {
    switch (Form()) {
        case ValueForm::Empty:
            return {};
        case ValueForm::Decimal:
            return DecimalText({digits_, exponent_, (bits_ & kNegative) != 0}, buffer);
        case ValueForm::Cancellation:
            return kCancellationText;
        case ValueForm::Error:
            return kErrorText;
        case ValueForm::Computed:
            return {buffer, WriteNumberText(ComputedDouble(), buffer)};
        case ValueForm::Stored:
        case ValueForm::ComputedStored:
            return BesideValue();
    }
    return {};
}

std::string PackedLine::Value() const {
    char buffer[kNumberTextRoom];
    return std::string(ValueText(buffer));
}

bool PackedLine::ValueIs(std::string_view text) const {
    char buffer[kNumberTextRoom];
    return ValueText(buffer) == text;
}

std::string_view PackedLine::Comment() const {
    return BesideText(kCommentField);
}

std::string_view PackedLine::Decimals() const {
    if (const std::string_view beside = BesideText(kDecimalsField); !beside.empty()) {
        return beside;
    }
    return {decimals_, strnlen(decimals_, sizeof decimals_)};
}

std::optional<double> PackedLine::Computed() const {
    if (Form() == ValueForm::Computed || Form() == ValueForm::ComputedStored) {
        return ComputedDouble();
    }
    return std::nullopt;
}

std::optional<double> PackedLine::Number() const {
    switch (Form()) {
        case ValueForm::Empty:
        case ValueForm::Cancellation:
        case ValueForm::Error:
            return std::nullopt;
        case ValueForm::Decimal:
            return DecimalValue({digits_, exponent_, (bits_ & kNegative) != 0});
        case ValueForm::Stored:
            return TextToNumber(BesideValue());
        case ValueForm::Computed:
        case ValueForm::ComputedStored:
            return ComputedDouble();
    }
    return std::nullopt;
}

void PackedLine::SetKind(LineKind kind) {
    bits_ = static_cast<std::uint8_t>((bits_ & ~kKindMask) | static_cast<std::uint8_t>(kind));
}

void PackedLine::SetOperation(std::string_view text) {
    operation_ = OperationCode(text).value_or(kOperationBeside);
    SetBesideText(kOperationField, operation_ == kOperationBeside ? text : std::string_view());
}

void PackedLine::SetValue(std::string_view text, std::optional<double> computed) {
    digits_ = 0;
    exponent_ = 0;
    std::string_view beside;  // the text, where no form makes it
    if (computed) {
        digits_ = std::bit_cast<std::uint64_t>(*computed);
        char buffer[kNumberTextRoom];
        if (std::string_view(buffer, WriteNumberText(*computed, buffer)) == text) {
            SetForm(ValueForm::Computed, false);
        } else {
            SetForm(ValueForm::ComputedStored, false);
            beside = text;
        }
    } else if (text.empty()) {
        SetForm(ValueForm::Empty, false);
    } else if (text == kCancellationText) {
        SetForm(ValueForm::Cancellation, false);
    } else if (text == kErrorText) {
        SetForm(ValueForm::Error, false);
    } else if (const std::optional<DecimalNumber> number = ReadDecimal(text);
               number && number->exponent >= std::numeric_limits<std::int16_t>::min() &&
               number->exponent <= std::numeric_limits<std::int16_t>::max() &&
               Renders(*number, text)) {
        digits_ = number->digits;
        exponent_ = static_cast<std::int16_t>(number->exponent);
        SetForm(ValueForm::Decimal, number->negative);
    } else {
        SetForm(ValueForm::Stored, false);
        beside = text;
    }
    SetBesideText(kValueField, beside);
}

void PackedLine::SetComputedValue(double value) {
    digits_ = std::bit_cast<std::uint64_t>(value);
    exponent_ = 0;
    SetForm(ValueForm::Computed, false);
    SetBesideText(kValueField, {});
}

bool PackedLine::HoldsComputed(double value) const {
    return Form() == ValueForm::Computed && digits_ == std::bit_cast<std::uint64_t>(value);
}

bool PackedLine::operator==(const PackedLine& other) const {
    bool same_beside = true;
    for (int field = 0; field < kFieldCount; ++field) {
        same_beside = same_beside && BesideText(field) == other.BesideText(field);
    }
    return digits_ == other.digits_ && exponent_ == other.exponent_ &&
           operation_ == other.operation_ && bits_ == other.bits_ &&
           std::memcmp(decimals_, other.decimals_, sizeof decimals_) == 0 && same_beside;
}

void PackedLine::SetForm(ValueForm form, bool negative) {
    bits_ = static_cast<std::uint8_t>((bits_ & kKindMask) | (negative ? kNegative : 0) |
                                      (static_cast<std::uint8_t>(form) << kFormShift));
}

void PackedLine::SetComment(std::string_view text) {
    SetBesideText(kCommentField, text);
}

void PackedLine::SetDecimals(std::string_view text) {
    std::memset(decimals_, 0, sizeof decimals_);
    const bool inline_text =
        text.size() <= sizeof decimals_ && text.find('\0') == std::string_view::npos;
    if (inline_text) {
        std::copy(text.begin(), text.end(), decimals_);
    }
    SetBesideText(kDecimalsField, inline_text ? std::string_view() : text);
}

std::unique_ptr<char[]> PackedLine::CopyOfBlock(const char* block) {
    if (block == nullptr) {
        return nullptr;
    }
    std::uint32_t lengths[kFieldCount];
    std::memcpy(lengths, block, sizeof lengths);
    const std::size_t size = sizeof lengths + lengths[0] + lengths[1] + lengths[2] + lengths[3];
    auto copy = std::make_unique_for_overwrite<char[]>(size);
    std::memcpy(copy.get(), block, size);
    return copy;
}

std::string_view PackedLine::BesideText(int field) const {
    if (!beside_) {
        return {};
    }
    std::uint32_t lengths[kFieldCount];
    std::memcpy(lengths, beside_.get(), sizeof lengths);
    std::size_t offset = sizeof lengths;
    for (int before = 0; before < field; ++before) {
        offset += lengths[before];
    }
    return {beside_.get() + offset, lengths[field]};
}

void PackedLine::SetBesideText(int field, std::string_view text) {
    if (!beside_ && text.empty()) {
        return;
    }
    std::string_view texts[kFieldCount];
    std::uint32_t lengths[kFieldCount];
    std::size_t size = sizeof lengths;
    for (int f = 0; f < kFieldCount; ++f) {
        texts[f] = f == field ? text : BesideText(f);
        lengths[f] = static_cast<std::uint32_t>(texts[f].size());
        size += texts[f].size();
    }
    if (size == sizeof lengths) {
        beside_.reset();
        return;
    }
    // Written in full before the old block goes: `text` may lie in it.
    auto block = std::make_unique_for_overwrite<char[]>(size);
    std::memcpy(block.get(), lengths, sizeof lengths);
    char* out = block.get() + sizeof lengths;
    for (const std::string_view part : texts) {
        out = std::copy(part.begin(), part.end(), out);
    }
    beside_ = std::move(block);
}

double PackedLine::ComputedDouble() const {
    return std::bit_cast<double>(digits_);
}

std::vector<PackedLine> PackLines(std::span<const CalcLine> lines) {
    std::vector<PackedLine> packed;
    // One beyond, for the open row of a grid they may become.
    packed.reserve(lines.size() + 1);
    for (const CalcLine& line : lines) {
        packed.emplace_back(line);
    }
    return packed;
}

std::vector<CalcLine> UnpackLines(std::span<const PackedLine> lines) {
    std::vector<CalcLine> unpacked;
    unpacked.reserve(lines.size());
    for (const PackedLine& line : lines) {
        unpacked.push_back(line.Unpacked());
    }
    return unpacked;
}

}  // namespace tallimo
