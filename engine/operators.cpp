#include "engine/operators.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "numbers/number_text.h"

namespace tallimo {

namespace {

constexpr std::array<std::string_view, kOperatorCount> kOperatorNames = {"+",   "-",   "x",    "/",
                                                                         "Mod", "x^y", "Log n"};

// Half to even, as the default floating-point rounding mode does.
std::optional<std::int64_t> RoundToInt32(double v) {
    const double r = std::nearbyint(v);
    if (!(r >= std::numeric_limits<std::int32_t>::min() &&
          r <= std::numeric_limits<std::int32_t>::max())) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(r);
}

}  // namespace

std::string_view OperatorName(int index) {
    if (index < 0 || index >= kOperatorCount) {
        return {};
    }
    return kOperatorNames[static_cast<std::size_t>(index)];
}

std::optional<int> OperatorIndex(std::string_view text) {
    for (int i = 0; i < kOperatorCount; ++i) {
        if (kOperatorNames[static_cast<std::size_t>(i)] == text) {
            return i;
        }
    }
    return std::nullopt;
}

std::string_view EvalErrorMessage(EvalError error) {
    switch (error) {
        case EvalError::DivisionByZero:
            return "Erreur: Division par zéro.";
        case EvalError::NegativeBaseFractionalExponent:
            return "Erreur: l'exposant doit être entier si le nombre à élever est négatif.";
        case EvalError::LogOfNonPositive:
            return "Erreur: nombres négatifs ou nuls interdits.";
        case EvalError::LogBaseOne:
            return "Erreur: Log(n) doit être différent de 0.";
        case EvalError::Overflow:
            return "Erreur: Dépassement de capacité.";
        case EvalError::None:
        case EvalError::UnknownOperator:
            break;
    }
    return {};
}

int SubtractionDecimals(std::string_view text) {
    const std::size_t e = text.find('E');
    if (e != std::string_view::npos) {
        // Mantissa decimals minus the exponent: 1,5E-07 has 8 decimals.
        const std::string_view mantissa = text.substr(0, e);
        const std::size_t comma = mantissa.find(',');
        const int mantissa_decimals =
            comma == std::string_view::npos ? 0 : static_cast<int>(mantissa.size() - comma - 1);
        int exponent = 0;
        std::string_view exp_text = text.substr(e + 1);
        if (!exp_text.empty() && exp_text.front() == '+') {
            exp_text.remove_prefix(1);
        }
        std::from_chars(exp_text.data(), exp_text.data() + exp_text.size(), exponent);
        const int decimals = mantissa_decimals - exponent;
        return decimals > 0 ? decimals : 0;
    }
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) {
        return static_cast<int>(text.size());
    }
    return static_cast<int>(text.size() - comma - 1);
}

double RoundedDifference(double x, double y) {
    const int dx = SubtractionDecimals(NumberToText(x));
    const int dy = SubtractionDecimals(NumberToText(y));
    return RoundDecimals(x - y, dx > dy ? dx : dy, Rounding::HalfToEven);
}

EvalError Evaluate(double& x, double y, std::string_view op) {
    double result = 0.0;
    if (op == "+") {
        result = x + y;
    } else if (op == "-") {
        result = x - y;
        if (std::isfinite(result)) {
            result = RoundedDifference(x, y);
        }
    } else if (op == "x") {
        result = x * y;
    } else if (op == "/") {
        if (y == 0.0) {
            return EvalError::DivisionByZero;
        }
        result = x / y;
    } else if (op == "Mod") {
        if (y == 0.0) {
            return EvalError::DivisionByZero;
        }
        const auto a = RoundToInt32(x);
        const auto b = RoundToInt32(y);
        if (!a || !b) {
            return EvalError::Overflow;
        }
        if (*b == 0) {
            return EvalError::DivisionByZero;
        }
        result = static_cast<double>(*a % *b);
    } else if (op == "x^y") {
        if (x < 0.0 && y != std::trunc(y)) {
            return EvalError::NegativeBaseFractionalExponent;
        }
        if (x == 0.0 && y < 0.0) {
            return EvalError::DivisionByZero;
        }
        result = std::pow(x, y);
    } else if (op == "Log n") {
        if (x <= 0.0 || y <= 0.0) {
            return EvalError::LogOfNonPositive;
        }
        const double ln_y = std::log(y);
        if (ln_y == 0.0) {
            return EvalError::LogBaseOne;
        }
        result = std::log(x) / ln_y;
    } else {
        return EvalError::UnknownOperator;
    }
    if (!std::isfinite(result)) {
        return EvalError::Overflow;
    }
    x = result == 0.0 ? 0.0 : result;
    return EvalError::None;
}

}  // namespace tallimo
