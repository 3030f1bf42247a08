#include <gtest/gtest.h>

#include <cmath>

#include "appearance/pixel_surface.h"
#include "face_test_data.h"

namespace tallimo {
namespace {

using namespace testing;

constexpr ColorValue kWhite = 0x00FFFFFF;  // the background; the pen is black

// A move to the first point, then a line to each next one, in the directions
// the key faces use; one-pixel strokes colour their start only.
class Polylines : public ::testing::TestWithParam<std::vector<PixelPoint>> {};

TEST_P(Polylines, ColourEachStartUpToItsEnd) {
    const std::vector<PixelPoint>& points = GetParam();
    PixelSurface surface(27, 27, kWhite);
    DrawLine(surface, points[1].x, points[1].y, points[0].x, points[0].y);
    for (std::size_t i = 2; i < points.size(); ++i) {
        DrawLine(surface, points[i].x, points[i].y);
    }
    EXPECT_EQ(Picture(surface), WithStrokes(Picture(PixelSurface(27, 27, kWhite)), {points}));
    EXPECT_EQ(surface.CurrentPoint(), points.back());
}

using P = std::vector<PixelPoint>;
INSTANTIATE_TEST_SUITE_P(
    Directions, Polylines,
    ::testing::Values(P{{12, 9}, {15, 9}}, P{{14, 17}, {11, 17}}, P{{13, 9}, {13, 18}},
                      P{{13, 15}, {13, 10}}, P{{11, 9}, {13, 7}, {16, 10}}, P{{14, 13}, {10, 17}},
                      P{{14, 10}, {16, 8}}, P{{11, 10}, {8, 13}}, P{{0, 0}, {26, 26}},
                      P{{11, 9}, {15, 9}, {15, 11}}, P{{15, 12}, {14, 12}}, P{{18, 6}, {18, 7}}),
    [](const auto& info) {  // "12_9_to_15_9"
        std::string name;
        for (const PixelPoint& p : info.param) {
            name += (name.empty() ? "" : "_to_") + std::to_string(p.x) + "_" + std::to_string(p.y);
        }
        return name;
    });

// Any radius: a one-pixel-thin closed outline that fills its box, symmetric
// about an axis and a diagonal, within half a pixel of the true circle; the
// key rings as pictured. The current point stays where it was.
TEST(DrawCircle, IsAThinClosedSymmetricOutline) {
    for (int r = 0; r <= 20; ++r) {
        const int c = std::max(r, 13);
        PixelSurface surface(2 * c + 1, 2 * c + 1, kWhite);
        surface.MoveTo(4, 5);
        DrawCircle(surface, c, c, r);
        const auto on = [&](int x, int y) { return surface.Contains(x, y) && !surface.At(x, y); };
        EXPECT_TRUE(on(c, c - r)) << r;
        for (int y = 0; y <= 2 * c; ++y) {
            for (int x = 0; x <= 2 * c; ++x) {
                ASSERT_EQ(on(x, y), on(y, x)) << r << ": " << x << "," << y;
                ASSERT_EQ(on(x, y), on(2 * c - x, y)) << r << ": " << x << "," << y;
                ASSERT_FALSE(on(x, y) && on(x + 1, y) && on(x, y + 1) && on(x + 1, y + 1)) << r;
                ASSERT_TRUE(!on(x, y) || std::abs(std::hypot(x - c, y - c) - r) < 0.5) << r;
                if (on(x, y) && r > 0) {
                    const int around = on(x - 1, y - 1) + on(x, y - 1) + on(x + 1, y - 1) +
                                       on(x - 1, y) + on(x + 1, y) + on(x - 1, y + 1) +
                                       on(x, y + 1) + on(x + 1, y + 1);
                    ASSERT_GE(around, 2) << r << ": " << x << "," << y;
                }
            }
        }
        if (r == 12 || r == 13) {
            EXPECT_EQ(Picture(surface), ReadDataFile("ring_" + std::to_string(r) + ".txt"));
        }
        EXPECT_EQ(surface.CurrentPoint(), (PixelPoint{4, 5}));
    }
}

// Outlines only, right and bottom excluded; no corner ellipse makes square
// corners, one larger than the box is as large as the box.
TEST(DrawRoundRect, OutlinesTheBoxWithoutItsRightAndBottomEdges) {
    PixelSurface square(11, 9, kWhite);
    DrawRoundRect(square, 1, 1, 9, 7, 0, 0);
    EXPECT_EQ(Picture(square), WithStrokes(Picture(PixelSurface(11, 9, kWhite)),
                                           {{{1, 1}, {8, 1}, {8, 6}, {1, 6}, {1, 1}}}));
    PixelSurface large(14, 14, kWhite), clamped(14, 14, kWhite);
    DrawRoundRect(large, 0, 0, 12, 12, 40, 40);
    DrawRoundRect(clamped, 0, 0, 12, 12, 12, 12);
    EXPECT_EQ(Picture(large), Picture(clamped));
}

TEST(PixelSurface, ClipsOutsidePixelsAndClearsToTheBackground) {
    PixelSurface surface(6, 4, kWhite);
    DrawLine(surface, 7, 1, -2, 1);
    DrawLine(surface, 3, 5, 3, -2);
    EXPECT_EQ(Picture(surface), "...#..\n######\n...#..\n...#..\n");
    surface.SetBackColor(0x123456);
    EXPECT_EQ(Picture(surface), "???#??\n######\n???#??\n???#??\n") << "pixels kept";
    Cls(surface);
    EXPECT_EQ(Picture(surface), "......\n......\n......\n......\n");
    DrawLine(surface, 3, 0, 0, 0);
    surface.Resize(3, 2);
    EXPECT_EQ(Picture(surface), "...\n...\n");
}

}  // namespace
}  // namespace tallimo
