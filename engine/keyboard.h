// The keyboard table: a key of the keyboard or numeric pad, as a virtual key
// code of the French layout with its modifier mask, becomes a simulated
// click on a keypad key.
#pragma once

#include <cstdint>
#include <optional>

#include "engine/keys.h"

namespace tallimo {

// Modifier mask bits.
inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;

// Virtual key codes used by the table (those of the French layout for the
// punctuation keys).
namespace vk {
inline constexpr int kBackspace = 8;
inline constexpr int kEnter = 13;
inline constexpr int kEscape = 27;
inline constexpr int kDelete = 46;
inline constexpr int k0 = 48;     // to 57
inline constexpr int kA = 65;     // to 90
inline constexpr int kPad0 = 96;  // to 105
inline constexpr int kPadMultiply = 106;
inline constexpr int kPadAdd = 107;
inline constexpr int kPadSubtract = 109;
inline constexpr int kPadDecimal = 110;
inline constexpr int kPadDivide = 111;
inline constexpr int kF1 = 112;         // to 117 (F6)
inline constexpr int kEquals = 187;     // "=" and "+"
inline constexpr int kComma = 188;      // "," and "?"
inline constexpr int kSemicolon = 190;  // ";" and "."
inline constexpr int kColon = 191;      // ":" and "/"
inline constexpr int kUGrave = 192;     // "ù" and "%"
inline constexpr int kAsterisk = 220;   // "*" and "µ"
}  // namespace vk

// What a key of the keyboard does: either a keypad key pressed (pressed
// look, pause, then release with `button`), or the grid key released alone.
struct KeyboardAction {
    bool grid_key = false;
    KeyPress key;  // the keypad key and the button given to its release
};

// The action of a virtual key code with its modifier mask; nothing when the
// key is not in the table or when Alt alone is held. The window's menus take
// their own shortcuts before the table is asked.
std::optional<KeyboardAction> MapKeyboardKey(int virtual_key, int modifier_mask);

}  // namespace tallimo
