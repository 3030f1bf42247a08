// One line of the calculation grid and its kind.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "numbers/number_text.h"

namespace tallimo {

// The codes are those of the calculation file.
enum class LineKind : std::uint8_t {
    Operation = 0,     // a first operand, or an operator with its operand
    Function = 1,      // a function applied, "+/-" included
    Result = 2,        // an "="
    Cancellation = 3,  // a reset during an unfinished calculation
};

// A file's kind code: 1 to 3 name their kinds, every other code shows as an
// operation line.
constexpr LineKind LineKindFromCode(int code) {
    return code >= 1 && code <= 3 ? static_cast<LineKind>(code) : LineKind::Operation;
}

inline constexpr const char* kCancellationText = "Annulation";
inline constexpr const char* kErrorText = "Erreur!";
// A comment is stored behind these ten spaces, which push it out of the
// narrow comment cell so that only the comment picture shows.
inline constexpr const char* kCommentPadding = "          ";

struct CalcLine {
    std::string Operation;
    std::string Value;
    std::string Comment;   // empty, or ten spaces and the comment
    std::string Decimals;  // the decimals count of "Décimal" and "Arrond"
    LineKind Kind = LineKind::Operation;
    // The number the calculator computed with, to every digit the text
    // leaves out. Empty where the text is all there is: an operand typed in
    // the edit panel, every line read from a file, "Annulation", "Erreur!".
    std::optional<double> Computed = std::nullopt;

    // The number the line stands for in a recalculation: the computed one,
    // else the value of the text; nothing when the text is no number.
    std::optional<double> Number() const { return Computed ? Computed : TextToNumber(Value); }

    bool HasComment() const { return !Comment.empty(); }
    // The comment as typed: without its padding and blank ends.
    std::string_view CommentText() const {
        constexpr std::string_view kBlank = " \t\r\n";
        const std::string_view text = Comment;
        const std::size_t begin = text.find_first_not_of(kBlank);
        if (begin == std::string_view::npos) {
            return {};
        }
        return text.substr(begin, text.find_last_not_of(kBlank) - begin + 1);
    }
    bool operator==(const CalcLine&) const = default;
};

}  // namespace tallimo
