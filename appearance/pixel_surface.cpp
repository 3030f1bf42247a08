#include "appearance/pixel_surface.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace tallimo {

PixelSurface::PixelSurface(int width, int height, ColorValue back) : back_(back) {
    Resize(width, height);
}

void PixelSurface::Plot(int x, int y) {
    if (Contains(x, y)) {
        pixels_[Index(x, y)] = pen_;
    }
}

void PixelSurface::Fill(ColorValue colour) {
    std::fill(pixels_.begin(), pixels_.end(), colour);
}

void PixelSurface::Resize(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), back_);
}

// The quarter is found in doubled coordinates, so that the centre of an
// even-sized box (a half-integer) stays an integer. A pixel's error is how far
// it lies off the ellipse, X²·b² + Y²·a² − a²·b² with X, Y its offsets from the
// centre and a, b the semi-axes, all doubled. Where the outline is steep each
// row takes the pixel of least error, where it is flat each column does: the
// classic criterion of Bresenham's circle, which keeps the outline one pixel
// thin and 8-connected, and, since both passes mirror each other, a circle
// symmetric about its diagonals too. For a circle no two candidates ever have
// the same error; for an ellipse a tie goes to the outer pixel.
std::vector<PixelPoint> EllipseQuarter(int width, int height) {
    std::vector<PixelPoint> quarter;
    if (width <= 0 || height <= 0) {
        return quarter;
    }
    const std::int64_t a = width - 1;  // doubled semi-axes, also the doubled centre
    const std::int64_t b = height - 1;
    const int last_x = (width - 1) / 2;
    const int last_y = (height - 1) / 2;
    const auto error = [&](int x, int y) {
        const std::int64_t dx = 2 * x - a;
        const std::int64_t dy = 2 * y - b;
        const std::int64_t e = dx * dx * b * b + dy * dy * a * a - a * a * b * b;
        return e < 0 ? -e : e;
    };
    // Positive where the outline is steep, negative where it is flat.
    const auto steepness = [&](int x, int y) {
        return std::abs(2 * x - a) * b * b - std::abs(2 * y - b) * a * a;
    };
    for (int y = 0; y <= last_y; ++y) {
        int best = 0;
        for (int x = 1; x <= last_x; ++x) {
            if (error(x, y) < error(best, y)) {
                best = x;
            }
        }
        if (steepness(best, y) >= 0) {
            quarter.push_back({best, y});
        }
    }
    for (int x = 0; x <= last_x; ++x) {
        int best = 0;
        for (int y = 1; y <= last_y; ++y) {
            if (error(x, y) < error(x, best)) {
                best = y;
            }
        }
        if (steepness(x, best) <= 0) {
            quarter.push_back({x, best});
        }
    }
    // A pixel at exactly 45° comes from both passes.
    const auto by_row = [](PixelPoint p, PixelPoint q) {
        return std::pair(p.y, p.x) < std::pair(q.y, q.x);
    };
    std::sort(quarter.begin(), quarter.end(), by_row);
    quarter.erase(std::unique(quarter.begin(), quarter.end()), quarter.end());
    return quarter;
}

namespace {

// Plots a quarter in the four corners of the box at (left, top), mirrored.
void PlotQuarters(PixelSurface& surface, const std::vector<PixelPoint>& quarter, int left, int top,
                  int width, int height) {
    const int right = left + width - 1;
    const int bottom = top + height - 1;
    for (const PixelPoint p : quarter) {
        surface.Plot(left + p.x, top + p.y);
        surface.Plot(right - p.x, top + p.y);
        surface.Plot(left + p.x, bottom - p.y);
        surface.Plot(right - p.x, bottom - p.y);
    }
}

}  // namespace

void DrawCircle(PixelSurface& surface, int x, int y, int r) {
    if (r < 0) {
        return;
    }
    const int size = 2 * r + 1;
    PlotQuarters(surface, EllipseQuarter(size, size), x - r, y - r, size, size);
}

void DrawLine(PixelSurface& surface, int x2, int y2) {
    const PixelPoint from = surface.CurrentPoint();
    const int dx = std::abs(x2 - from.x);
    const int dy = -std::abs(y2 - from.y);
    const int step_x = from.x < x2 ? 1 : -1;
    const int step_y = from.y < y2 ? 1 : -1;
    int error = dx + dy;
    int x = from.x;
    int y = from.y;
    while (x != x2 || y != y2) {
        surface.Plot(x, y);
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x += step_x;
        }
        if (doubled <= dx) {
            error += dx;
            y += step_y;
        }
    }
    surface.MoveTo(x2, y2);
}

void DrawLine(PixelSurface& surface, int x2, int y2, int x1, int y1) {
    surface.MoveTo(x1, y1);
    DrawLine(surface, x2, y2);
}

void DrawRoundRect(PixelSurface& surface, int left, int top, int right, int bottom,
                   int ellipse_width, int ellipse_height) {
    if (right < left) {
        std::swap(left, right);
    }
    if (bottom < top) {
        std::swap(top, bottom);
    }
    const int width = right - left;
    const int height = bottom - top;
    if (width == 0 || height == 0) {
        return;
    }
    const int corner_width = std::clamp(ellipse_width, 1, width);
    const int corner_height = std::clamp(ellipse_height, 1, height);
    PlotQuarters(surface, EllipseQuarter(corner_width, corner_height), left, top, width, height);
    // The straight sides join the corners, whose quarters reach the middle of
    // their ellipse boxes.
    const int last_x = right - 1;
    const int last_y = bottom - 1;
    const int corner_columns = (corner_width - 1) / 2 + 1;
    const int corner_rows = (corner_height - 1) / 2 + 1;
    for (int x = left + corner_columns; x <= last_x - corner_columns; ++x) {
        surface.Plot(x, top);
        surface.Plot(x, last_y);
    }
    for (int y = top + corner_rows; y <= last_y - corner_rows; ++y) {
        surface.Plot(left, y);
        surface.Plot(last_x, y);
    }
}

void Cls(PixelSurface& surface) {
    surface.Fill(surface.BackColor());
}

}  // namespace tallimo
