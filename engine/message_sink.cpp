#include "engine/message_sink.h"

#include "engine/functions.h"

namespace tallimo {

std::optional<double> AskDecimals(TextPrompt& prompt) {
    for (;;) {
        const std::optional<std::string> answer = prompt.AskText(kDecimalsPrompt, kDecimalsDefault);
        if (!answer || answer->find_first_not_of(" \t") == std::string::npos) {
            return std::nullopt;
        }
        if (const std::optional<double> value = ParseDecimalsAnswer(*answer)) {
            return value;
        }
    }
}

}  // namespace tallimo
