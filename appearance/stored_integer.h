// Whole numbers as the settings file keeps them (the window's size).
#pragma once

#include <optional>
#include <string_view>

namespace tallimo {

// A decimal integer with an optional sign, blanks (spaces, tabs, line ends)
// around it allowed; nothing for anything else or a number beyond int.
std::optional<int> ReadStoredInteger(std::string_view text);

}  // namespace tallimo
