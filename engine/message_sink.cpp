#include "engine/message_sink.h"

#include <cmath>

#include "engine/functions.h"

namespace tallimo {

std::optional<double> AskDecimals(TextPrompt& prompt) {
    for (;;) {
        const std::optional<std::string> answer = prompt.AskText(kDecimalsPrompt, kDecimalsDefault);
        if (!answer || answer->find_first_not_of(" \t") == std::string::npos) {
            return std::nullopt;
        }
        // A count of decimals is a whole number: "1,5" is asked again, as
        // letters are.
        if (const std::optional<double> value = ParseDecimalsAnswer(*answer);
            value && *value == std::trunc(*value)) {
            return value;
        }
    }
}

}  // namespace tallimo
