#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <string>

#include "appearance/key_faces.h"
#include "face_test_data.h"

namespace tallimo {
namespace {

using testing::Picture;
using testing::ReadDataFile;

constexpr ColorValue kBack = SystemColor(15);
constexpr ColorValue kFore = SystemColor(18);

// '#' wherever either picture has one.
std::string Overlay(std::string picture, const std::string& over) {
    std::ranges::transform(picture, over, picture.begin(),
                           [](char a, char b) { return b == '#' ? b : a; });
    return picture;
}

std::string FreshFace(KeyId key) {
    PixelSurface face(27, 27, kBack);
    face.SetPen(kFore);
    DrawKeyFace(face, key);
    return Picture(face);
}

class KeyFaces : public ::testing::TestWithParam<int> {};

// Fresh: the outer ring and a glyph inside it, clear of the inner ring;
// pressed: the inner ring added; released: the fresh face again, drawing on
// in the foreground colour.
TEST_P(KeyFaces, ShowRingAndGlyphFreshPressedAndReleased) {
    const KeyId key = KeyAt(GetParam());
    const std::string fresh = FreshFace(key);
    const std::string outer = ReadDataFile("ring_13.txt");
    const std::string inner = ReadDataFile("ring_12.txt");
    EXPECT_EQ(Overlay(fresh, outer), fresh) << "the whole outer ring";
    EXPECT_NE(fresh, outer) << "a glyph";
    ASSERT_EQ(fresh.size(), inner.size());
    for (std::size_t i = 0; i < fresh.size(); ++i) {
        EXPECT_TRUE(inner[i] != '#' || fresh[i] == outer[i])
            << "glyph under the inner ring at " << i;
    }
    PixelSurface face(27, 27, kBack);
    face.SetPen(kFore);
    DrawKeyFace(face, key);
    const PixelSurface drawn = face;
    for (int i = 0; i < 2; ++i) {
        DrawPressedLook(face);
        EXPECT_EQ(Picture(face), Overlay(fresh, inner));
        face.SetPen(0x00123456);
        DrawReleasedLook(face, kFore);
        EXPECT_TRUE(std::ranges::equal(face.Pixels(), drawn.Pixels()));
        EXPECT_EQ(face.Pen(), kFore);
    }
}

// Named after the key's control, "imaChiffre7", "imaOpérateur0" (without
// its accent, which test names cannot hold).
INSTANTIATE_TEST_SUITE_P(AllKeypadKeys, KeyFaces, ::testing::Range(0, kKeypadKeyCount),
                         [](const ::testing::TestParamInfo<int>& info) {
                             std::string name;
                             for (const char c : ObjectName(KeyAt(info.param))) {
                                 if (std::isalnum(static_cast<unsigned char>(c))) {
                                     name += c;
                                 }
                             }
                             return name;
                         });

// A user tells every key from every other by its face.
TEST(KeypadFaces, NoTwoKeysLookAlike) {
    std::map<std::string, std::string> faces;
    for (int i = 0; i < kKeypadKeyCount; ++i) {
        const auto [other, added] = faces.emplace(FreshFace(KeyAt(i)), ObjectName(KeyAt(i)));
        EXPECT_TRUE(added) << ObjectName(KeyAt(i)) << " looks like " << other->second;
    }
}

struct GridKeyCase {
    GridMode mode;
    const char* picture;
};

class GridKeyFaces : public ::testing::TestWithParam<GridKeyCase> {};

// Whatever the key showed is cleared first; the keypad's face drawing leaves
// the grid key alone.
TEST_P(GridKeyFaces, ShowTheLetteringOfTheMode) {
    const GridKeyCase c = GetParam();
    PixelSurface face(75, 21, kBack);
    face.SetPen(kFore);
    DrawGridKeyFace(face, c.mode == GridMode::Calculator ? GridMode::Grid : GridMode::Calculator);
    DrawGridKeyFace(face, c.mode);
    DrawKeyFace(face, KeyId::Grille);
    EXPECT_EQ(Picture(face), ReadDataFile(c.picture));
    EXPECT_TRUE(KeyGlyph(KeyId::Grille).empty());
}

INSTANTIATE_TEST_SUITE_P(Modes, GridKeyFaces,
                         ::testing::Values(GridKeyCase{GridMode::Calculator,
                                                       "grid_key_virelle.txt"},
                                           GridKeyCase{GridMode::Grid, "grid_key_retour.txt"}),
                         [](const auto& info) {
                             return info.param.mode == GridMode::Calculator ? "Calculator" : "Grid";
                         });

// Only the exact tag "Virelle" offers to edit the grid.
TEST(GridKeyLettering, TheTagChoosesIt) {
    const Glyph other = GridKeyLettering("Grille");
    EXPECT_FALSE(other.empty());
    EXPECT_NE(GridKeyLettering("Virelle"), other);
    for (const char* tag : {"", "virelle", "Virelle "}) {
        EXPECT_EQ(GridKeyLettering(tag), other) << tag;
    }
}

}  // namespace
}  // namespace tallimo
