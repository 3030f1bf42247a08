// Small conversions every window of the shell needs, written once.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <string_view>

#include "appearance/keypad_keys.h"

namespace tallimo {

// The core speaks UTF-8.
inline QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The small sans font of the windows, at `points`: the classic dialog font
// where the desktop has it, else its metric look-alikes.
inline QFont WindowFont(qreal points) {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    return font;
}

// The modifier mask of mouse and keyboard events: 1 Shift, 2 Ctrl, 4 Alt.
inline int ModifierMask(Qt::KeyboardModifiers modifiers) {
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) |
           (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) |
           (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
}

// Windows and controls are placed in twips; Qt places them in
// device-independent pixels. Each edge to the nearest pixel.
inline QRect TwipsRect(int left, int top, int width, int height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

}  // namespace tallimo
