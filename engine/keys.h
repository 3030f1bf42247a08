// The keys of the calculator's keypad as the engine knows them.
#pragma once

namespace tallimo {

// The keypad keys, as the window's key arrays name them.
enum class Key {
    Digit,  // index 0..9
    DecimalComma,
    Constant,  // index 0: Pi
    Sign,
    Backspace,
    CancelEntry,
    Cancel,
    Operator,  // index 0..6
    Equals,
    Function,  // index 0..11
    Memory,    // index 0..4
};

// A key released: which key, its index in its array, and the mouse button
// (1 the left one; two-function keys take every other value as the right).
struct KeyPress {
    Key key = Key::Digit;
    int index = 0;
    int button = 1;
};

}  // namespace tallimo
