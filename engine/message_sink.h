// What the core asks of the program around it: showing a message and asking
// a question. The window passes message boxes and input boxes; tests pass
// scripted ones.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tallimo {

enum class MessageIcon { None, Critical };

class MessageSink {
  public:
    virtual ~MessageSink() = default;
    // A modal message with an OK button only; returns when it is dismissed.
    virtual void ShowMessage(std::string_view text, MessageIcon icon = MessageIcon::None) = 0;
};

class TextPrompt {
  public:
    virtual ~TextPrompt() = default;
    // Asks for a text; nothing when the user cancels.
    virtual std::optional<std::string> AskText(std::string_view prompt,
                                               std::string_view default_answer) = 0;
};

inline constexpr std::string_view kDecimalsPrompt = "Nombre de décimales à utiliser:";
inline constexpr std::string_view kDecimalsDefault = "2";

// Asks the decimals count until the answer is empty or a whole number: the
// answer's numeric value, or nothing for an empty answer or a cancel.
std::optional<double> AskDecimals(TextPrompt& prompt);

}  // namespace tallimo
