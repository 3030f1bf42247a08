// The calculator's state record.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tallimo {

// What the display holds.
enum class EntryState : std::uint8_t {
    Result = 0,           // a computed value, already recorded in the grid
    Typing = 1,           // a number being typed
    OperatorPressed = 2,  // X, just after an operator
    Recalled = 3,         // a recalled or pasted value, not yet recorded
    Cleared = 4,          // "0" after a reset or at start
};

inline constexpr int kMemoryCount = 5;

struct CalcState {
    EntryState Entry = EntryState::Cleared;
    double X = 0.0;               // first operand and running total
    double Y = 0.0;               // second operand of the pending operator
    std::string PendingOperator;  // empty when none
    bool OperatorPending = false;
    std::array<double, kMemoryCount> Memories{};
};

}  // namespace tallimo
