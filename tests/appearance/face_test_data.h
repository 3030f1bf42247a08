// Reading the stroke tables and pixel pictures that the face tests compare
// the drawing with.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "appearance/pixel_surface.h"

namespace tallimo::testing {

using PixelSet = std::set<std::pair<int, int>>;

inline std::string DataPath(const std::string& name) {
    return std::string(TALLIMO_SOURCE_DIR) + "/tests/appearance/data/" + name;
}

// The lines of a data file, without comments and blank lines.
inline std::vector<std::string> ReadDataLines(const std::string& name) {
    std::ifstream in(DataPath(name));
    EXPECT_TRUE(in.good()) << DataPath(name);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line[0] != '#') {
            lines.push_back(line);
        }
    }
    return lines;
}

// A picture: '#' a pixel in the pen's colour, '.' one in the background.
inline PixelSet ReadPicture(const std::string& name) {
    std::ifstream in(DataPath(name));
    EXPECT_TRUE(in.good()) << DataPath(name);
    PixelSet pixels;
    int y = 0;
    for (std::string line; std::getline(in, line); ++y) {
        for (int x = 0; x < static_cast<int>(line.size()); ++x) {
            if (line[static_cast<std::size_t>(x)] == '#') {
                pixels.insert({x, y});
            }
        }
    }
    return pixels;
}

inline PixelSet PixelsOf(const PixelSurface& surface, ColorValue colour) {
    PixelSet pixels;
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            if (surface.At(x, y) == colour) {
                pixels.insert({x, y});
            }
        }
    }
    return pixels;
}

inline std::string Picture(const PixelSet& pixels, int width, int height) {
    std::string text;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            text += pixels.count({x, y}) ? '#' : '.';
        }
        text += '\n';
    }
    return text;
}

// "12,9→15,9→15,11; 14,11→14,13" as polylines.
inline std::vector<std::vector<PixelPoint>> ParseStrokes(const std::string& text) {
    std::vector<std::vector<PixelPoint>> strokes(1);
    const char* p = text.c_str();
    while (*p != '\0') {
        if (*p == ';') {
            strokes.emplace_back();
            ++p;
        } else if (*p >= '0' && *p <= '9') {
            char* end = nullptr;
            const int x = static_cast<int>(std::strtol(p, &end, 10));
            const int y = static_cast<int>(std::strtol(end + 1, &end, 10));
            strokes.back().push_back({x, y});
            p = end;
        } else {
            ++p;
        }
    }
    return strokes;
}

// The pixels of a horizontal, vertical or diagonal line, its end excluded.
inline PixelSet SegmentPixels(PixelPoint from, PixelPoint to) {
    const int dx = to.x - from.x;
    const int dy = to.y - from.y;
    EXPECT_TRUE(dx == 0 || dy == 0 || std::abs(dx) == std::abs(dy))
        << from.x << "," << from.y << " to " << to.x << "," << to.y;
    const int n = std::max(std::abs(dx), std::abs(dy));
    PixelSet pixels;
    for (int i = 0; i < n; ++i) {
        pixels.insert({from.x + i * (dx > 0) - i * (dx < 0), from.y + i * (dy > 0) - i * (dy < 0)});
    }
    return pixels;
}

inline PixelSet StrokePixels(const std::vector<std::vector<PixelPoint>>& strokes) {
    PixelSet pixels;
    for (const auto& stroke : strokes) {
        for (std::size_t i = 1; i < stroke.size(); ++i) {
            pixels.merge(SegmentPixels(stroke[i - 1], stroke[i]));
        }
    }
    return pixels;
}

inline PixelSet Union(PixelSet a, PixelSet b) {
    a.merge(b);
    return a;
}

}  // namespace tallimo::testing
