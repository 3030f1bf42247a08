// A recorded line as the grid keeps it: the same texts as a CalcLine in a
// sixth of the room. What a line nearly always holds is coded in place: its
// operation as the index of a known name, its value as the double the
// calculator computed (the text is that double's NumberToText) or as the
// decimal digits of a number text, its decimals count as up to four
// characters. Anything else (a comment, a name or a number text of another
// shape) goes to a small block beside the line. Unpacking gives back every
// text byte for byte.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "grid/calc_line.h"
#include "numbers/number_text.h"

namespace tallimo {

class PackedLine {
  public:
    PackedLine() = default;
    explicit PackedLine(const CalcLine& line);
    PackedLine(LineKind kind, std::string_view operation, std::string_view value,
               std::string_view comment, std::string_view decimals,
               std::optional<double> computed = std::nullopt);

    PackedLine(const PackedLine& other);
    PackedLine& operator=(const PackedLine& other);
    PackedLine(PackedLine&&) noexcept = default;
    PackedLine& operator=(PackedLine&&) noexcept = default;
    ~PackedLine() = default;

    CalcLine Unpacked() const;

    LineKind Kind() const { return static_cast<LineKind>(bits_ & kKindMask); }
    std::string_view Operation() const;
    std::string Value() const;
    // The value's text, made in `buffer` where it has to be made.
    std::string_view ValueText(char (&buffer)[kNumberTextRoom]) const;
    // Whether the value's text is `text`, without making a string of it.
    bool ValueIs(std::string_view text) const;
    std::string_view Comment() const;  // empty, or ten spaces and the comment
    bool HasComment() const { return !Comment().empty(); }
    std::string_view Decimals() const;
    std::optional<double> Computed() const;
    // As CalcLine::Number: the computed double, else the value of the text.
    std::optional<double> Number() const;

    void SetKind(LineKind kind);
    void SetOperation(std::string_view text);
    void SetValue(std::string_view text, std::optional<double> computed);
    // A value computed by the calculator, shown as its NumberToText.
    void SetComputedValue(double value);
    // Whether the value is that computed double, shown as its NumberToText.
    bool HoldsComputed(double value) const;

    bool operator==(const PackedLine& other) const;

  private:
    // How the value is held.
    enum class ValueForm : std::uint8_t {
        Empty,           // ""
        Decimal,         // digits_ and exponent_: a number text of the usual shape
        Cancellation,    // kCancellationText
        Error,           // kErrorText
        Stored,          // the text beside the line
        Computed,        // digits_ holds the double; the text is its NumberToText
        ComputedStored,  // digits_ holds the double; the text is beside the line
    };
    // The texts that have no code, in one block beside the line: their four
    // lengths, then the texts one after the other.
    enum BesideField { kOperationField, kValueField, kCommentField, kDecimalsField, kFieldCount };

    static constexpr std::uint8_t kKindMask = 0x03;
    static constexpr std::uint8_t kNegative = 0x04;
    static constexpr int kFormShift = 3;
    static constexpr std::uint8_t kOperationBeside = 0xFF;

    ValueForm Form() const { return static_cast<ValueForm>(bits_ >> kFormShift); }
    void SetForm(ValueForm form, bool negative);
    void SetComment(std::string_view text);
    void SetDecimals(std::string_view text);
    static std::unique_ptr<char[]> CopyOfBlock(const char* block);
    std::string_view BesideText(int field) const;
    // Rewrites the block with this text; lets it go once it holds nothing,
    // so that equal lines are packed alike.
    void SetBesideText(int field, std::string_view text);
    std::string_view BesideValue() const { return BesideText(kValueField); }
    double ComputedDouble() const;

    std::uint64_t digits_ = 0;  // the decimal digits, or the bits of the computed double
    std::unique_ptr<char[]> beside_;
    std::int16_t exponent_ = 0;        // value = digits_ x 10^exponent_
    std::uint8_t operation_ = 0;       // index among the known names, or kOperationBeside
    std::uint8_t bits_ = 0;            // kind, sign, value form
    char decimals_[4] = {0, 0, 0, 0};  // the decimals count, NUL-padded
};

std::vector<PackedLine> PackLines(std::span<const CalcLine> lines);
std::vector<CalcLine> UnpackLines(std::span<const PackedLine> lines);

}  // namespace tallimo
