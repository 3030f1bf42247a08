#include "app/key_translation.h"

#include <QKeyEvent>

#include "engine/keyboard.h"
#include "platform/shell_basics.h"

namespace tallimo {

namespace {

// X11 and Wayland key codes of the main keyboard's digit row ("1" ... "0"),
// the physical keys whatever the layout prints on them: on the French layout
// they type "&", "é", ... unshifted and the digits with Shift, and both are
// digits to the calculator.
constexpr quint32 kDigitRowFirst = 10;
constexpr quint32 kDigitRowLast = 19;

std::optional<int> KeypadCode(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return vk::kPad0 + (key - Qt::Key_0);
    }
    switch (key) {
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return vk::kPadDecimal;
        case Qt::Key_Plus:
            return vk::kPadAdd;
        case Qt::Key_Minus:
            return vk::kPadSubtract;
        case Qt::Key_Asterisk:
            return vk::kPadMultiply;
        case Qt::Key_Slash:
            return vk::kPadDivide;
        case Qt::Key_Enter:
        case Qt::Key_Return:
            return vk::kEnter;
        default:
            return std::nullopt;
    }
}

std::optional<int> MainKeyboardCode(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return vk::k0 + (key - Qt::Key_0);
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return vk::kA + (key - Qt::Key_A);
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F6) {
        return vk::kF1 + (key - Qt::Key_F1);
    }
    switch (key) {
        case Qt::Key_Backspace:
            return vk::kBackspace;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return vk::kEnter;
        case Qt::Key_Escape:
            return vk::kEscape;
        case Qt::Key_Delete:
            return vk::kDelete;
        // The punctuation keys of the French layout, by either of their two
        // characters.
        case Qt::Key_Comma:
        case Qt::Key_Question:
            return vk::kComma;
        case Qt::Key_Semicolon:
        case Qt::Key_Period:
            return vk::kSemicolon;
        case Qt::Key_Colon:
        case Qt::Key_Slash:
            return vk::kColon;
        case Qt::Key_Ugrave:
        case Qt::Key_Percent:
            return vk::kUGrave;
        case Qt::Key_Asterisk:
        case Qt::Key_mu:
            return vk::kAsterisk;
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<VirtualKey> TranslateKeyEvent(const QKeyEvent& event) {
    int mask = ModifierMask(event.modifiers());
    const int key = event.key();
    std::optional<int> code;
    if (event.modifiers() & Qt::KeypadModifier) {
        code = KeypadCode(key);
    } else if (key == Qt::Key_Equal || key == Qt::Key_Plus) {
        // The "=" key by the character it types, whichever layout puts the
        // "+" on it or elsewhere.
        code = vk::kEquals;
        mask = key == Qt::Key_Plus ? (mask | kShiftMask) : (mask & ~kShiftMask);
    } else if (event.nativeScanCode() >= kDigitRowFirst &&
               event.nativeScanCode() <= kDigitRowLast) {
        const quint32 n = event.nativeScanCode() - kDigitRowFirst + 1;
        code = vk::k0 + static_cast<int>(n % 10);
    } else {
        code = MainKeyboardCode(key);
    }
    if (!code) {
        return std::nullopt;
    }
    return VirtualKey{*code, mask};
}

}  // namespace tallimo
