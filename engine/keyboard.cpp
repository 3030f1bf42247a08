#include "engine/keyboard.h"

namespace tallimo {

namespace {

KeyboardAction Keypad(Key key, int index = 0, int button = 0) {
    return KeyboardAction{false, KeyPress{key, index, button}};
}

}  // namespace

std::optional<KeyboardAction> MapKeyboardKey(int code, int mask) {
    if (mask == kAltMask) {
        return std::nullopt;
    }
    // Two-function keys: the key alone is the left button (1), Shift the
    // right one (2); Ctrl combinations give 3 or 4, which count as right.
    const int shifted_button = mask + 1;
    if (code >= vk::kPad0 && code <= vk::kPad0 + 9) {
        return Keypad(Key::Digit, code - vk::kPad0);
    }
    if (code >= vk::k0 && code <= vk::k0 + 9) {
        return Keypad(Key::Digit, code - vk::k0);
    }
    if (code >= vk::kF1 && code <= vk::kF1 + 4) {
        return Keypad(Key::Memory, code - vk::kF1, shifted_button);
    }
    switch (code) {
        case vk::kPadDecimal:
        case vk::kComma:
            return Keypad(Key::DecimalComma);
        case vk::kEscape:
            return Keypad(Key::Cancel);
        case vk::kDelete:
            return Keypad(Key::CancelEntry);
        case vk::kBackspace:
            return Keypad(Key::Backspace);
        case vk::kF1 + 5:
            return Keypad(Key::Sign);
        case vk::kPadAdd:
            return Keypad(Key::Operator, 0);
        case vk::kPadSubtract:
            return Keypad(Key::Operator, 1);
        case vk::kPadMultiply:
        case vk::kAsterisk:
            return Keypad(Key::Operator, 2);
        case vk::kPadDivide:
        case vk::kColon:
            return Keypad(Key::Operator, 3);
        case vk::kUGrave:
            return Keypad(Key::Operator, 4);
        case vk::kA + ('Y' - 'A'):
            return Keypad(Key::Operator, 5);
        case vk::kA + ('L' - 'A'):
            return Keypad(Key::Operator, 6);
        case vk::kEnter:
            return Keypad(Key::Equals);
        // Without a numeric pad: "=" is equals, its shifted "+" the plus.
        case vk::kEquals:
            return (mask & kShiftMask) != 0 ? Keypad(Key::Operator, 0) : Keypad(Key::Equals);
        case vk::kA + ('E' - 'A'):
            return Keypad(Key::Function, 0);
        case vk::kA + ('F' - 'A'):
            return Keypad(Key::Function, 1);
        case vk::kSemicolon:
            return Keypad(Key::Function, 2, shifted_button);
        case vk::kA + ('R' - 'A'):
            return Keypad(Key::Function, 3);
        case vk::kA + ('C' - 'A'):
            return Keypad(Key::Function, 4);
        case vk::kA + ('K' - 'A'):
            return Keypad(Key::Function, 5);
        case vk::kA + ('I' - 'A'):
            return Keypad(Key::Function, 6);
        case vk::kA + ('N' - 'A'):
            return Keypad(Key::Function, 7, shifted_button);
        case vk::kA + ('D' - 'A'):
            return Keypad(Key::Function, 8, shifted_button);
        case vk::kA + ('O' - 'A'):
            return Keypad(Key::Function, 9);
        case vk::kA + ('S' - 'A'):
            return Keypad(Key::Function, 10);
        case vk::kA + ('T' - 'A'):
            return Keypad(Key::Function, 11);
        case vk::kA + ('P' - 'A'):
            return Keypad(Key::Constant, 0);
        case vk::kA + ('G' - 'A'):
            return KeyboardAction{true, KeyPress{}};
        default:
            break;
    }
    return std::nullopt;
}

}  // namespace tallimo
