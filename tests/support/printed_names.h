// Test names for table cases, made of what PrintTo writes of the case
// ("1 / 0" gives "1_0_2" for the third case), so that a failing case is known
// by its content in ctest's list and not only by its place in the table.
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
        for (const char c : printed.str()) {
            if (std::isalnum(static_cast<unsigned char>(c))) {
                name += c;
            } else if (!name.empty() && name.back() != '_') {
                name += '_';
            }
        }
        // The place in the table keeps two cases that print alike apart.
        return name + (name.empty() || name.back() == '_' ? "" : "_") + std::to_string(info.index);
    }
};

}  // namespace tallimo::testing
