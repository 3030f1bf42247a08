// Drives the engine with a key script and reads back what a user would see:
// the display, the state and the grid lines.
#pragma once

#include <deque>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "engine/calc_engine.h"
#include "engine/operators.h"

namespace tallimo::testing {

class ScriptedHost : public MessageSink, public TextPrompt {
  public:
    void ShowMessage(std::string_view text, MessageIcon icon) override {
        messages.emplace_back(text);
        icons.push_back(icon);
    }
    std::optional<std::string> AskText(std::string_view prompt, std::string_view def) override {
        prompts.emplace_back(std::string(prompt) + "|" + std::string(def));
        if (answers.empty()) {
            return std::nullopt;
        }
        std::optional<std::string> answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<std::string> messages;
    std::vector<MessageIcon> icons;
    std::vector<std::string> prompts;
    std::deque<std::optional<std::string>> answers;
};

// Grid lines as "operation|value|kind" joined by "; ", with "|decimals" and
// "|comment" appended when present; the open row is shown only when it holds
// something, after a "/".
inline std::string GridText(const CalcGrid& grid) {
    std::ostringstream out;
    for (int r = 0; r < grid.GridLine(); ++r) {
        const CalcLine& line = grid.Row(r);
        if (r > 0) {
            out << "; ";
        }
        out << line.Operation << '|' << line.Value << '|' << static_cast<int>(line.Kind);
        if (!line.Decimals.empty()) {
            out << '|' << line.Decimals;
        }
        if (!line.Comment.empty()) {
            out << "|c:" << line.Comment;
        }
    }
    const CalcLine& open = grid.OpenRow();
    if (!open.Operation.empty() || !open.Value.empty()) {
        out << " / " << open.Operation << '|' << open.Value;
    }
    return out.str();
}

// Key script: space-separated tokens. A number token ("12,5") types its
// characters; "+", "-", "x", "/", "Mod", "x^y", "Logn" are the operators;
// "=" equals; "+/-" sign; "BS" backspace; "CE" clear entry; "C" reset; "Pi";
// "f:NAME" a function by its grid name ("f:0,00" is the right click on Int);
// "M1".."M5" store, "RM1".."RM5" recall.
inline std::vector<KeyPress> ParseKeys(const std::string& script) {
    std::vector<KeyPress> keys;
    std::istringstream in(script);
    std::string token;
    static const char* const kFunctions[][3] = {
        {"Euros", "0", "1"},   {"Francs", "1", "1"}, {"Int", "2", "1"},     {"0,00", "2", "2"},
        {"RCarrée", "3", "1"}, {"Carré", "4", "1"},  {"Cube", "5", "1"},    {"1/x", "6", "1"},
        {"Log", "7", "1"},     {"e^x", "7", "2"},    {"Décimal", "8", "1"}, {"Arrond", "8", "2"},
        {"Cos", "9", "1"},     {"Sin", "10", "1"},   {"Tan", "11", "1"}};
    while (in >> token) {
        if (token.rfind("f:", 0) == 0) {
            const std::string name = token.substr(2);
            for (const auto& f : kFunctions) {
                if (name == f[0]) {
                    keys.push_back({Key::Function, std::stoi(f[1]), std::stoi(f[2])});
                }
            }
        } else if (token == "Logn") {
            keys.push_back({Key::Operator, 6, 1});
        } else if (auto op = OperatorIndex(token)) {
            keys.push_back({Key::Operator, *op, 1});
        } else if (token == "=") {
            keys.push_back({Key::Equals, 0, 1});
        } else if (token == "+/-") {
            keys.push_back({Key::Sign, 0, 1});
        } else if (token == "BS") {
            keys.push_back({Key::Backspace, 0, 1});
        } else if (token == "CE") {
            keys.push_back({Key::CancelEntry, 0, 1});
        } else if (token == "C") {
            keys.push_back({Key::Cancel, 0, 1});
        } else if (token == "Pi") {
            keys.push_back({Key::Constant, 0, 1});
        } else if (token.size() == 2 && token[0] == 'M') {
            keys.push_back({Key::Memory, token[1] - '1', 1});
        } else if (token.size() == 3 && token.rfind("RM", 0) == 0) {
            keys.push_back({Key::Memory, token[2] - '1', 2});
        } else {
            for (char c : token) {
                if (c == ',') {
                    keys.push_back({Key::DecimalComma, 0, 1});
                } else {
                    keys.push_back({Key::Digit, c - '0', 1});
                }
            }
        }
    }
    return keys;
}

struct EngineRig {
    CalcGrid grid;
    ScriptedHost host;
    CalcEngine engine{grid, host, host};

    void Type(const std::string& script) {
        for (const KeyPress& key : ParseKeys(script)) {
            engine.Press(key);
        }
    }
};

}  // namespace tallimo::testing
