// Test names for table cases, made of what PrintTo writes of the case, signs
// spelt out ("1,5 + -2" gives "1_comma_5_plus_minus_2_3" for the fourth
// case), so that a failing case is known by its content in ctest's list and
// not only by its place in the table.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <sstream>
#include <string>

namespace tallimo::testing {

struct PrintedName {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
        std::ostringstream printed;
        PrintTo(info.param, &printed);
        std::string name;
        const auto separate = [&name] {
            if (!name.empty() && name.back() != '_') {
                name += '_';
            }
        };
        bool accent = false;  // after 0xC3, a Latin-1 letter: "é" gives 'e'
        for (char c : printed.str()) {
            if (c == '\xC3') {
                accent = true;
                continue;
            }
            if (accent) {
                accent = false;
                c = "AAAAAAACEEEEIIIIDNOOOOOxOUUUUYTsaaaaaaaceeeeiiiidnooooo_ouuuuyty"[c & 0x3F];
            }
            const char* word = c == '+'   ? "plus"
                               : c == '-' ? "minus"
                               : c == '=' ? "equals"
                               : c == ',' ? "comma"
                               : c == '.' ? "point"
                                          : nullptr;
            if (word) {
                separate();
                name += word;
                separate();
            } else if (std::isalnum(static_cast<unsigned char>(c))) {
                name += c;
            } else {
                separate();
            }
        }
        if (name.empty()) {  // nothing but blanks, quotes or other scripts
            name = printed.str().find_first_not_of(" \"") == std::string::npos ? "blank" : "other";
        }
        // The place in the table keeps two cases that print alike apart.
        separate();
        return name + std::to_string(info.index);
    }
};

}  // namespace tallimo::testing
