#include <gtest/gtest.h>

#include <cmath>

#include "appearance/pixel_surface.h"
#include "face_test_data.h"

namespace tallimo {
namespace {

using testing::PixelSet;
using testing::PixelsOf;

constexpr ColorValue kBack = 0x00FFFFFF;
constexpr ColorValue kPen = SystemColor(18);

PixelSurface Blank(int width, int height) {
    PixelSurface surface(width, height, kBack);
    surface.SetPen(kPen);
    return surface;
}

bool Adjacent(std::pair<int, int> a, std::pair<int, int> b) {
    return a != b && std::abs(a.first - b.first) <= 1 && std::abs(a.second - b.second) <= 1;
}

// Lines in the directions the key faces use: every pixel from the start up
// to the end, the end itself left alone.
struct StraightLine {
    PixelPoint from;
    PixelPoint to;
};

class StraightLines : public ::testing::TestWithParam<StraightLine> {};

TEST_P(StraightLines, ColourTheirStartUpToTheEnd) {
    const StraightLine line = GetParam();
    PixelSurface surface = Blank(27, 27);
    DrawLine(surface, line.to.x, line.to.y, line.from.x, line.from.y);
    EXPECT_EQ(PixelsOf(surface, kPen), testing::SegmentPixels(line.from, line.to));
    EXPECT_EQ(surface.CurrentPoint(), line.to);
}

INSTANTIATE_TEST_SUITE_P(
    Directions, StraightLines,
    ::testing::Values(StraightLine{{12, 9}, {15, 9}}, StraightLine{{14, 17}, {11, 17}},
                      StraightLine{{13, 9}, {13, 18}}, StraightLine{{13, 15}, {13, 10}},
                      StraightLine{{11, 9}, {13, 7}}, StraightLine{{13, 7}, {16, 10}},
                      StraightLine{{14, 13}, {10, 17}}, StraightLine{{14, 10}, {16, 8}},
                      StraightLine{{11, 10}, {8, 13}}, StraightLine{{15, 12}, {14, 12}},
                      StraightLine{{0, 0}, {26, 26}}));

TEST(DrawLine, OnePixelStrokeColoursItsStartOnly) {
    PixelSurface surface = Blank(27, 27);
    DrawLine(surface, 18, 7, 18, 6);
    EXPECT_EQ(PixelsOf(surface, kPen), (PixelSet{{18, 6}}));
}

TEST(DrawLine, ContinuesFromTheCurrentPoint) {
    PixelSurface surface = Blank(27, 27);
    DrawLine(surface, 15, 9, 11, 9);
    DrawLine(surface, 15, 11);
    // The corner is coloured by the second segment, the last end by none.
    EXPECT_EQ(PixelsOf(surface, kPen),
              (PixelSet{{11, 9}, {12, 9}, {13, 9}, {14, 9}, {15, 9}, {15, 10}}));
    EXPECT_EQ(surface.CurrentPoint(), (PixelPoint{15, 11}));
}

TEST(DrawCircle, KeyRingsMatchTheirPictures) {
    for (const int r : {13, 12}) {
        PixelSurface surface = Blank(27, 27);
        surface.MoveTo(4, 5);
        DrawCircle(surface, 13, 13, r);
        const PixelSet expected = testing::ReadPicture("ring_" + std::to_string(r) + ".txt");
        EXPECT_EQ(PixelsOf(surface, kPen), expected)
            << testing::Picture(PixelsOf(surface, kPen), 27, 27);
        EXPECT_EQ(surface.CurrentPoint(), (PixelPoint{4, 5}))
            << "a circle leaves the current point";
    }
}

// Any radius: the outline fills its box, is symmetric about both axes and
// both diagonals, stays within a pixel's half of the true circle and is a
// closed, one-pixel-thin loop.
class Circles : public ::testing::TestWithParam<int> {};

TEST_P(Circles, AreThinSymmetricClosedOutlines) {
    const int r = GetParam();
    const int c = r + 2;
    PixelSurface surface = Blank(2 * c + 1, 2 * c + 1);
    DrawCircle(surface, c, c, r);
    const PixelSet pixels = PixelsOf(surface, kPen);
    int min_x = c, max_x = c;
    for (const auto& [x, y] : pixels) {
        const int dx = x - c;
        const int dy = y - c;
        min_x = std::min(min_x, x);
        max_x = std::max(max_x, x);
        for (const auto& [sx, sy] : {std::pair{-dx, dy}, {dx, -dy}, {dy, dx}, {-dy, -dx}}) {
            EXPECT_TRUE(pixels.count({c + sx, c + sy})) << "image of " << dx << "," << dy;
        }
        EXPECT_LT(std::abs(std::hypot(dx, dy) - r), 0.5) << dx << "," << dy;
        if (r > 0) {
            int neighbours = 0;
            for (const auto& q : pixels) {
                neighbours += Adjacent({x, y}, q);
            }
            EXPECT_GE(neighbours, 2) << dx << "," << dy;
        }
        EXPECT_FALSE(pixels.count({x + 1, y}) && pixels.count({x, y + 1}) &&
                     pixels.count({x + 1, y + 1}))
            << "a 2x2 block at " << dx << "," << dy;
    }
    EXPECT_EQ(min_x, c - r);
    EXPECT_EQ(max_x, c + r);
}

INSTANTIATE_TEST_SUITE_P(Radii, Circles, ::testing::Range(0, 21));

TEST(DrawCircle, IsClippedAtTheEdges) {
    PixelSurface corner = Blank(10, 10);
    DrawCircle(corner, 0, 0, 6);
    PixelSurface whole = Blank(20, 20);
    DrawCircle(whole, 8, 8, 6);
    PixelSet quarter;
    for (const auto& [x, y] : PixelsOf(whole, kPen)) {
        if (x >= 8 && y >= 8) {
            quarter.insert({x - 8, y - 8});
        }
    }
    EXPECT_EQ(PixelsOf(corner, kPen), quarter);
}

struct RoundRectCase {
    int left, top, right, bottom, ellipse_width, ellipse_height;
};

class RoundRects : public ::testing::TestWithParam<RoundRectCase> {};

// Outline only, right and bottom excluded, straight sides between the corners,
// the same at all four corners.
TEST_P(RoundRects, OutlineTheirBoxWithoutTheRightAndBottomEdges) {
    const RoundRectCase rr = GetParam();
    PixelSurface surface = Blank(rr.right + 3, rr.bottom + 3);
    DrawRoundRect(surface, rr.left, rr.top, rr.right, rr.bottom, rr.ellipse_width,
                  rr.ellipse_height);
    const PixelSet pixels = PixelsOf(surface, kPen);
    const int last_x = rr.right - 1;
    const int last_y = rr.bottom - 1;
    const int middle_x = (rr.left + last_x) / 2;
    const int middle_y = (rr.top + last_y) / 2;
    for (const auto& [x, y] : pixels) {
        EXPECT_TRUE(x >= rr.left && x <= last_x && y >= rr.top && y <= last_y) << x << "," << y;
        EXPECT_TRUE(pixels.count({rr.left + last_x - x, y}));
        EXPECT_TRUE(pixels.count({x, rr.top + last_y - y}));
    }
    for (const auto& edge : {std::pair{middle_x, rr.top},
                             {middle_x, last_y},
                             {rr.left, middle_y},
                             {last_x, middle_y}}) {
        EXPECT_TRUE(pixels.count(edge)) << edge.first << "," << edge.second;
    }
    EXPECT_FALSE(pixels.count({middle_x, middle_y})) << "filled";
    const bool square = rr.ellipse_width <= 1 && rr.ellipse_height <= 1;
    EXPECT_EQ(pixels.count({rr.left, rr.top}) == 1, square);
    if (square) {
        EXPECT_EQ(static_cast<int>(pixels.size()),
                  2 * (rr.right - rr.left) + 2 * (rr.bottom - rr.top) - 4);
    }
}

INSTANTIATE_TEST_SUITE_P(Boxes, RoundRects,
                         ::testing::Values(RoundRectCase{0, 0, 74, 20, 14, 14},
                                           RoundRectCase{2, 3, 30, 11, 6, 4},
                                           RoundRectCase{1, 1, 9, 7, 0, 0},
                                           RoundRectCase{0, 0, 12, 12, 40, 40}));

TEST(PixelSurface, ClsAndResizeClearToTheBackground) {
    PixelSurface surface = Blank(6, 4);
    DrawLine(surface, 6, 2, 0, 2);
    EXPECT_EQ(PixelsOf(surface, kPen).size(), 6u);
    surface.SetBackColor(0x123456);
    EXPECT_EQ(PixelsOf(surface, kPen).size(), 6u) << "a new background alone keeps the drawing";
    Cls(surface);
    EXPECT_EQ(PixelsOf(surface, 0x123456).size(), 24u);
    surface.Plot(-1, 0);
    surface.Plot(6, 3);
    surface.Plot(0, 4);
    EXPECT_EQ(PixelsOf(surface, 0x123456).size(), 24u) << "outside pixels are clipped";
    DrawLine(surface, 6, 2, 0, 2);
    surface.Resize(3, 5);
    EXPECT_EQ(PixelsOf(surface, 0x123456).size(), 15u);
}

}  // namespace
}  // namespace tallimo
