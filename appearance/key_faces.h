// The faces of the graphic keys: a ring and a small glyph of pixel strokes,
// the pressed and released looks, and the face of the grid-mode key.
#pragma once

#include <string_view>
#include <vector>

#include "appearance/keypad_keys.h"
#include "appearance/pixel_surface.h"

namespace tallimo {

// A polyline: a move to its first point, then a line to each next point,
// every end pixel excluded, so each segment colours its start pixel up to
// the pixel before its end, and the next segment starts on that end.
using Stroke = std::vector<PixelPoint>;
using Glyph = std::vector<Stroke>;

inline constexpr int kKeyCentre = 13;
inline constexpr int kRingRadius = 13;
inline constexpr int kPressedRingRadius = 12;

// The grid-mode key's tag: "Virelle" in calculator mode, "Grille" in grid
// mode.
std::string_view GridKeyTag(GridMode mode);

// The glyph of a keypad key, its strokes in drawing order; empty for Grille,
// whose face depends on its tag.
const Glyph& KeyGlyph(KeyId key);
// "Editer la grille" for the tag "Virelle", "Retour" for any other.
const Glyph& GridKeyLettering(std::string_view tag);

// Draws the strokes with the surface's pen.
void DrawGlyph(PixelSurface& surface, const Glyph& glyph);

// A keypad key's face, drawn over what the surface holds: the ring, then the
// glyph. Does nothing for Grille.
void DrawKeyFace(PixelSurface& surface, KeyId key);

// The inner ring drawn with the current pen, inside the outline.
void DrawPressedLook(PixelSurface& surface);
// The inner ring drawn again in the background colour, which takes it away,
// then the pen set to fore, the key's foreground colour.
void DrawReleasedLook(PixelSurface& surface, ColorValue fore);

// The grid-mode key's face: cleared, a rounded outline and the lettering
// that the mode's tag chooses.
void DrawGridKeyFace(PixelSurface& surface, GridMode mode);

}  // namespace tallimo
