// A small persistent pixel image and the pen drawing done on it: the surface
// that every graphic key keeps, and the few strokes its face is made of.
#pragma once

#include <span>
#include <vector>

#include "appearance/color_value.h"

namespace tallimo {

struct PixelPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PixelPoint&) const = default;
};

// width × height pixels, origin at the top-left corner, x to the right and
// y downwards. A pixel holds a colour value as given, system colour
// references included: they are resolved only when the image is shown, so
// that a change of the desktop's colours shows without drawing again.
// Like a device context it has a current pen colour, a current point and a
// background colour for clearing.
class PixelSurface {
  public:
    PixelSurface() = default;
    PixelSurface(int width, int height, ColorValue back = 0);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // Out-of-range coordinates are a caller's error.
    ColorValue At(int x, int y) const { return pixels_[Index(x, y)]; }
    std::span<const ColorValue> Pixels() const { return pixels_; }

    // Colours (x, y) with the pen; pixels outside the surface are clipped.
    void Plot(int x, int y);

    ColorValue Pen() const { return pen_; }
    void SetPen(ColorValue colour) { pen_ = colour; }
    ColorValue BackColor() const { return back_; }
    // Only the colour that Fill clears to; the pixels are kept.
    void SetBackColor(ColorValue colour) { back_ = colour; }

    PixelPoint CurrentPoint() const { return current_; }
    void MoveTo(int x, int y) { current_ = {x, y}; }

    void Fill(ColorValue colour);
    // A new size clears every pixel to the background colour.
    void Resize(int width, int height);

  private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }

    int width_ = 0;
    int height_ = 0;
    ColorValue back_ = 0;
    ColorValue pen_ = 0;
    PixelPoint current_;
    std::vector<ColorValue> pixels_;
};

// The drawing operations of the key faces. All of them draw solid one-pixel
// outlines with the surface's pen; none fills an area.

// Circle outline of radius r around (x, y), filling the box (x − r, y − r) to
// (x + r, y + r) both included: r = 13 around (13, 13) spans 0..26. The
// current point is left as it was.
void DrawCircle(PixelSurface& surface, int x, int y, int r);

// A line from the current point to (x2, y2), the end pixel excluded; the
// current point becomes (x2, y2). The second form moves to (x1, y1) first.
void DrawLine(PixelSurface& surface, int x2, int y2);
void DrawLine(PixelSurface& surface, int x2, int y2, int x1, int y1);

// Outline of a rectangle with rounded corners, right and bottom excluded:
// the pixels run from left to right − 1 and top to bottom − 1. Each corner
// is a quarter of an ellipse of ellipse_width × ellipse_height pixels.
void DrawRoundRect(PixelSurface& surface, int left, int top, int right, int bottom,
                   int ellipse_width, int ellipse_height);

// Clears every pixel to the surface's background colour.
void Cls(PixelSurface& surface);

// The pixels of the top-left quarter of the ellipse inscribed in a box of
// width × height pixels at (0, 0): those in the columns and rows up to the
// box's middle. Every outline above is made of such quarters, mirrored.
std::vector<PixelPoint> EllipseQuarter(int width, int height);

}  // namespace tallimo
