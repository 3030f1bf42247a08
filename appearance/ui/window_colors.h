// The five colours on the calculator window.
//
// System colours come from the desktop's palette (Qt has no caption colours
// of its own to ask for):
//   2 active caption        Highlight
//   3 inactive caption      Highlight faded 40 % into Window
//   4 menu                  Window
//   9 caption text          HighlightedText
//   15 button face          Button
//   18 button text          ButtonText
//   19 inactive caption text WindowText
// They are resolved when painting: the keys at every paint, the window, the
// grid and the dial again whenever the desktop's palette or theme changes.
#pragma once

#include <array>

#include "appearance/color_styles.h"
#include "appearance/keypad_keys.h"

class QLabel;
class QTableView;
class QWidget;

namespace tallimo {

class KstGdiCtl;

// What the calculator window has that takes the colours.
struct WindowColorParts {
    // Every key in drawing order (KeyAt), the grid-mode key last.
    const std::array<KstGdiCtl*, kKeyCount>* keys = nullptr;
    GridMode grid_mode = GridMode::Calculator;  // the grid-mode key's face
    QWidget* window = nullptr;                  // the client area
    QTableView* grid = nullptr;
    QLabel* dial = nullptr;
};

// The background of a grid's fixed cells and of the area no cell covers,
// resolved now; its ordinary cells and its text keep the desktop's colours.
void ColorGridBackground(QTableView& grid, ColorValue back);

// In this order: every key's background and glyph colour, the window's
// background, every key face redrawn (a new background clears it), the
// grid's fixed cells and empty area, the dial's background and text. The
// grid's ordinary cells keep their own colours.
void ApplyWindowColors(const WindowColorParts& parts, const ColorSet& colors);

}  // namespace tallimo
