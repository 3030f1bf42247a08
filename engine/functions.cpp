#include "engine/functions.h"

#include <array>
#include <cmath>
#include <string>

#include "numbers/number_text.h"

namespace tallimo {

namespace {

constexpr std::array<std::string_view, kFunctionNameCount> kFunctionNames = {
    "Euros", "Francs", "Int",     "0,00",   "RCarrée", "Carré", "Cube", "1/x",
    "Log",   "e^x",    "Décimal", "Arrond", "Cos",     "Sin",   "Tan",  "+/-"};

// The constant of the degree conversion, with exactly these 15 digits.
constexpr double kPi15 = 3.14159265358979;
constexpr int kMaxDecimals = 28;

FunctionResult Refused(double v) {
    return {FunctionStatus::Refused, v};
}

FunctionResult Checked(double v, double result) {
    if (!std::isfinite(result)) {
        return {FunctionStatus::Overflow, v};
    }
    return {FunctionStatus::Ok, result == 0.0 ? 0.0 : result};
}

// The fractional digits of v as its 15-digit text shows them: "25" for
// -3,25; empty when v is whole.
std::string FractionDigits(double v) {
    const DecimalDigits d = ToDecimalDigits(v);
    if (d.digits.empty() || d.exponent >= static_cast<int>(d.digits.size())) {
        return {};
    }
    if (d.exponent >= 0) {
        return d.digits.substr(static_cast<std::size_t>(d.exponent));
    }
    return std::string(static_cast<std::size_t>(-d.exponent), '0') + d.digits;
}

}  // namespace

std::string_view FunctionName(FunctionId id) {
    return kFunctionNames[static_cast<std::size_t>(id)];
}

std::optional<FunctionId> FunctionFromName(std::string_view name) {
    for (int i = 0; i < kFunctionNameCount; ++i) {
        if (kFunctionNames[static_cast<std::size_t>(i)] == name) {
            return static_cast<FunctionId>(i);
        }
    }
    return std::nullopt;
}

std::string_view FunctionNameAt(int list_index) {
    if (list_index < 0 || list_index >= kFunctionNameCount) {
        return {};
    }
    return kFunctionNames[static_cast<std::size_t>(list_index)];
}

FunctionId FunctionForKey(int index, int button) {
    const bool left = button == 1;
    switch (index) {
        case 0:
            return FunctionId::Euros;
        case 1:
            return FunctionId::Francs;
        case 2:
            return left ? FunctionId::IntegerPart : FunctionId::DecimalPart;
        case 3:
            return FunctionId::SquareRoot;
        case 4:
            return FunctionId::Square;
        case 5:
            return FunctionId::Cube;
        case 6:
            return FunctionId::Reciprocal;
        case 7:
            return left ? FunctionId::Ln : FunctionId::Exp;
        case 8:
            return left ? FunctionId::Truncate : FunctionId::Round;
        case 9:
            return FunctionId::Cos;
        case 10:
            return FunctionId::Sin;
        default:
            return FunctionId::Tan;
    }
}

bool NeedsDecimals(FunctionId id) {
    return id == FunctionId::Truncate || id == FunctionId::Round;
}

FunctionResult ComputeFunction(FunctionId id, double v, int decimals) {
    switch (id) {
        case FunctionId::Euros:
            return Checked(v, RoundDecimals(v / kFrancsPerEuro, 2, Rounding::HalfAwayFromZero));
        case FunctionId::Francs: {
            const double w = v * kFrancsPerEuro;
            if (!std::isfinite(w)) {
                return {FunctionStatus::Overflow, v};
            }
            return Checked(v, RoundDecimals(w, 2, Rounding::HalfAwayFromZero));
        }
        case FunctionId::IntegerPart:
            return Checked(v, std::trunc(v));
        case FunctionId::DecimalPart: {
            const std::string fraction = FractionDigits(v);
            if (fraction.empty()) {
                return {FunctionStatus::Ok, 0.0};
            }
            return Checked(v, TextToNumber("0," + fraction).value_or(0.0));
        }
        case FunctionId::SquareRoot:
            if (v < 0.0) {
                return Refused(v);
            }
            return Checked(v, std::sqrt(v));
        case FunctionId::Square:
            return Checked(v, v * v);
        case FunctionId::Cube:
            return Checked(v, v * v * v);
        case FunctionId::Reciprocal:
            if (v == 0.0) {
                return Refused(v);
            }
            return Checked(v, 1.0 / v);
        case FunctionId::Ln:
            if (v <= 0.0) {
                return Refused(v);
            }
            return Checked(v, std::log(v));
        case FunctionId::Exp:
            return Checked(v, std::exp(v));
        case FunctionId::Truncate:
        case FunctionId::Round: {
            if (v == std::trunc(v) || decimals < 0) {
                return Refused(v);
            }
            const int n = decimals > kMaxDecimals ? kMaxDecimals : decimals;
            const Rounding mode =
                id == FunctionId::Round ? Rounding::HalfToEven : Rounding::TowardZero;
            return Checked(v, RoundDecimals(v, n, mode));
        }
        case FunctionId::Cos:
        case FunctionId::Sin:
        case FunctionId::Tan: {
            const double angle = v * (kPi15 / 180.0);
            const double r = id == FunctionId::Cos   ? std::cos(angle)
                             : id == FunctionId::Sin ? std::sin(angle)
                                                     : std::tan(angle);
            return Checked(v, RoundDecimals(r, 4, Rounding::HalfToEven));
        }
        case FunctionId::Sign:
            return Checked(v, -v);
    }
    return Refused(v);
}

std::optional<double> ParseDecimalsAnswer(std::string_view answer) {
    while (!answer.empty() && (answer.front() == ' ' || answer.front() == '\t')) {
        answer.remove_prefix(1);
    }
    while (!answer.empty() && (answer.back() == ' ' || answer.back() == '\t')) {
        answer.remove_suffix(1);
    }
    if (!answer.empty() && answer.front() == '+') {
        answer.remove_prefix(1);
    }
    std::string text(answer);
    for (char& c : text) {
        if (c == '.') {
            c = ',';
        }
    }
    return TextToNumber(text);
}

int DecimalsFromAnswer(double answer) {
    const double n = std::nearbyint(answer);
    if (n > kMaxDecimals) {
        return kMaxDecimals;
    }
    return static_cast<int>(n);
}

}  // namespace tallimo
