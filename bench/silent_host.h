// Messages and questions that the benchmarks leave unanswered: nothing is
// shown, and the decimals question is cancelled.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/message_sink.h"

namespace tallimo {

class SilentHost : public MessageSink, public TextPrompt {
  public:
    void ShowMessage(std::string_view, MessageIcon) override {}
    std::optional<std::string> AskText(std::string_view, std::string_view) override {
        return std::nullopt;
    }
};

}  // namespace tallimo
