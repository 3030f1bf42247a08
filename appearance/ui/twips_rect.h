// Windows and controls are placed in twips; Qt places them in
// device-independent pixels.
#pragma once

#include <QRect>

#include "appearance/keypad_keys.h"

namespace tallimo {

// A rectangle given in twips, each edge to the nearest pixel.
inline QRect TwipsRect(int left, int top, int width, int height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

}  // namespace tallimo
