// Drives the engine with a key script and reads back what a user would see:
// the display, the state and the grid lines.
#pragma once

#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "engine/calc_engine.h"
#include "scripted_dialogs.h"

namespace tallimo::testing {

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
    static const std::map<std::string, KeyPress> kTokens = [] {
        std::map<std::string, KeyPress> tokens = {{"=", {Key::Equals}},
                                                  {"+/-", {Key::Sign}},
                                                  {"BS", {Key::Backspace}},
                                                  {"CE", {Key::CancelEntry}},
                                                  {"C", {Key::Cancel}},
                                                  {"Pi", {Key::Constant}},
                                                  {"f:0,00", {Key::Function, 2, 2}},
                                                  {"f:e^x", {Key::Function, 7, 2}},
                                                  {"f:Arrond", {Key::Function, 8, 2}}};
        const char* operators[] = {"+", "-", "x", "/", "Mod", "x^y", "Logn"};
        const char* functions[] = {"Euros", "Francs", "Int",     "RCarrée", "Carré", "Cube",
                                   "1/x",   "Log",    "Décimal", "Cos",     "Sin",   "Tan"};
        for (int i = 0; i < 7; ++i) {
            tokens[operators[i]] = {Key::Operator, i};
        }
        for (int i = 0; i < 12; ++i) {
            tokens[std::string("f:") + functions[i]] = {Key::Function, i};
        }
        return tokens;
    }();
    std::vector<KeyPress> keys;
    std::istringstream in(script);
    std::string token;
    while (in >> token) {
        if (const auto known = kTokens.find(token); known != kTokens.end()) {
            keys.push_back(known->second);
        } else if (token.size() == 2 && token[0] == 'M') {
            keys.push_back({Key::Memory, token[1] - '1', 1});
        } else if (token.size() == 3 && token.rfind("RM", 0) == 0) {
            keys.push_back({Key::Memory, token[2] - '1', 2});
        } else {
            for (char c : token) {
                keys.push_back(c == ',' ? KeyPress{Key::DecimalComma}
                                        : KeyPress{Key::Digit, c - '0'});
            }
        }
    }
    return keys;
}

struct EngineRig {
    CalcGrid grid;
    ScriptedDialogs host;
    CalcEngine engine{grid, host, host};

    void Type(const std::string& script) {
        for (const KeyPress& key : ParseKeys(script)) {
            engine.Press(key);
        }
    }
};

}  // namespace tallimo::testing
