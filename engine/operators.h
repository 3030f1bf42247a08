// The seven binary operators and the rule that evaluates them. The engine and
// the grid's recalculation both go through Evaluate, so a calculation typed
// on the keypad and the same calculation recomputed in the grid always agree.
#pragma once

#include <optional>
#include <string_view>

namespace tallimo {

inline constexpr int kOperatorCount = 7;

// "+", "-", "x", "/", "Mod", "x^y", "Log n" for the indexes 0 to 6; empty
// outside them.
std::string_view OperatorName(int index);

// The index of an operator text, or nothing when the text is no operator.
std::optional<int> OperatorIndex(std::string_view text);

enum class EvalError {
    None,
    DivisionByZero,
    NegativeBaseFractionalExponent,
    LogOfNonPositive,
    LogBaseOne,
    Overflow,
    UnknownOperator,
};

// The message shown for a failed evaluation; empty for None and for an
// unknown operator, which leaves the value unchanged silently.
std::string_view EvalErrorMessage(EvalError error);

// x op y. On success x holds the result; on failure x keeps its value. Never
// produces an infinity or a NaN.
EvalError Evaluate(double& x, double y, std::string_view op);

// The difference rounded to the larger decimal count of the two operands as
// written by NumberToText, which removes the noise of 0,3 - 0,1.
double RoundedDifference(double x, double y);

// Decimal count of a number text as the subtraction counts it: the
// characters after the comma, or the whole length of a plain integer text;
// an exponent text counts the decimals its value really has.
int SubtractionDecimals(std::string_view text);

}  // namespace tallimo
