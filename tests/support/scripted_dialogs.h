// The messages and questions of the core, answered by a test: every message
// is kept, and each question takes the next scripted answer.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "engine/message_sink.h"

namespace tallimo::testing {

class ScriptedDialogs : public MessageSink, public TextPrompt {
  public:
    void ShowMessage(std::string_view text, MessageIcon icon) override {
        messages.emplace_back(text);
        icons.push_back(icon);
    }
    // Takes the next scripted answer; once they are used up, `otherwise`.
    std::optional<std::string> AskText(std::string_view prompt, std::string_view def) override {
        prompts.emplace_back(std::string(prompt) + "|" + std::string(def));
        if (answers.empty()) {
            return otherwise;
        }
        std::optional<std::string> answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<std::string> messages;
    std::vector<MessageIcon> icons;
    std::vector<std::string> prompts;  // "prompt|default answer"
    std::deque<std::optional<std::string>> answers;
    std::optional<std::string> otherwise;  // nothing: the question is cancelled
};

}  // namespace tallimo::testing
