// The unary functions of the keypad. The function key's index and mouse
// button choose a name; the grid records that name, and the grid's
// recalculation applies a function again from its name, so both go through
// ComputeFunction.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tallimo {

inline constexpr int kFunctionKeyCount = 12;
inline constexpr double kFrancsPerEuro = 6.55957;

enum class FunctionId {
    Euros,
    Francs,
    IntegerPart,
    DecimalPart,
    SquareRoot,
    Square,
    Cube,
    Reciprocal,
    Ln,
    Exp,
    Truncate,  // "Décimal"
    Round,     // "Arrond"
    Cos,
    Sin,
    Tan,
    Sign,  // "+/-", recorded by the sign key
};

inline constexpr int kFunctionNameCount = 16;

// The grid name of a function: "Euros", ..., "Tan", "+/-".
std::string_view FunctionName(FunctionId id);

// The function of a name, in the order of the edit panel's list; nothing for
// a name outside it.
std::optional<FunctionId> FunctionFromName(std::string_view name);
std::string_view FunctionNameAt(int list_index);

// The function of a function key: button 1 is the left button, every other
// value the right one.
FunctionId FunctionForKey(int index, int button);

// Whether the function needs a decimals count ("Décimal", "Arrond").
bool NeedsDecimals(FunctionId id);

enum class FunctionStatus { Ok, Refused, Overflow };

struct FunctionResult {
    FunctionStatus status = FunctionStatus::Ok;
    double value = 0.0;  // the result when Ok, else the unchanged input
};

// Applies a function to v. `decimals` is the rounded decimals count of
// "Décimal" and "Arrond" (ignored by the others); a whole v is refused by
// both of them, as is a negative count. Never yields an infinity or a NaN.
FunctionResult ComputeFunction(FunctionId id, double v, int decimals = 0);

// The decimals count of a prompt answer: the answer's numeric value (with
// "." or "," as decimal point), or nothing when the answer is not a number.
std::optional<double> ParseDecimalsAnswer(std::string_view answer);

// The count a numeric answer stands for: rounded half to even, and capped at
// the 28 decimals that a double's fraction can ever be cut or rounded to
// usefully.
int DecimalsFromAnswer(double answer);

}  // namespace tallimo
