// The pixel pictures that the face tests compare the drawing with, and the
// drawing as such a picture.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "appearance/pixel_surface.h"

namespace tallimo::testing {

inline std::string ReadDataFile(const std::string& name) {
    std::ifstream in(std::string(TALLIMO_SOURCE_DIR) + "/tests/appearance/data/" + name);
    EXPECT_TRUE(in.good()) << name;
    return {std::istreambuf_iterator<char>(in), {}};
}

// One line a row: '#' a pixel in the pen's colour, '.' one in the
// background colour, '?' one in any other.
inline std::string Picture(const PixelSurface& surface) {
    std::string text;
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            const ColorValue c = surface.At(x, y);
            text += c == surface.Pen() ? '#' : c == surface.BackColor() ? '.' : '?';
        }
        text += '\n';
    }
    return text;
}

// The picture with the polylines' pixels added: each horizontal, vertical or
// diagonal segment from its start up to its end, the end excluded.
inline std::string WithStrokes(std::string picture,
                               const std::vector<std::vector<PixelPoint>>& strokes) {
    const auto row = static_cast<int>(picture.find('\n')) + 1;
    for (const auto& stroke : strokes) {
        for (std::size_t i = 1; i < stroke.size(); ++i) {
            const PixelPoint a = stroke[i - 1];
            const int dx = stroke[i].x - a.x;
            const int dy = stroke[i].y - a.y;
            const int n = std::max(std::abs(dx), std::abs(dy));
            EXPECT_TRUE(dx == 0 || dy == 0 || std::abs(dx) == std::abs(dy)) << a.x << "," << a.y;
            for (int k = 0; k < n; ++k) {
                const int x = a.x + k * ((dx > 0) - (dx < 0));
                const int y = a.y + k * ((dy > 0) - (dy < 0));
                picture.at(static_cast<std::size_t>(y * row + x)) = '#';
            }
        }
    }
    return picture;
}

}  // namespace tallimo::testing
