// Turns a Qt key event into the virtual key code and modifier mask that the
// keyboard table reads, naming the keys as the French layout does.
#pragma once

#include <optional>

class QKeyEvent;

namespace tallimo {

struct VirtualKey {
    int code = 0;
    int mask = 0;  // 1 Shift, 2 Ctrl, 4 Alt
};

std::optional<VirtualKey> TranslateKeyEvent(const QKeyEvent& event);

}  // namespace tallimo
