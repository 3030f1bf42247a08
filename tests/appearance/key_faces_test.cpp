#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <regex>
#include <string>

#include "appearance/key_faces.h"
#include "face_test_data.h"

namespace tallimo {
namespace {

using testing::Picture;
using testing::ReadDataFile;
using testing::WithStrokes;

constexpr ColorValue kBack = SystemColor(15);
constexpr ColorValue kFore = SystemColor(18);

// Each key's strokes, "12,9→15,9→15,11; 14,11→14,13", the memory keys'
// "("M") then" standing for the first seven strokes of the first one.
const std::map<std::string, Glyph>& StrokeTable() {
    static const std::map<std::string, Glyph> table = [] {
        std::map<std::string, Glyph> glyphs;
        const std::regex token(R"((\d+),(\d+)|;|"M")");
        for (const auto& row : testing::ReadTable("glyph_strokes.txt")) {
            Glyph& glyph = glyphs[row[0]];
            glyph.emplace_back();
            for (std::sregex_iterator it(row[1].begin(), row[1].end(), token), end; it != end;
                 ++it) {
                if (it->str() == "\"M\"") {
                    const Glyph& m = glyphs.at("imaMem0");
                    glyph.insert(glyph.begin(), m.begin(), m.begin() + 7);
                } else if (it->str() == ";") {
                    glyph.emplace_back();
                } else {
                    glyph.back().push_back({std::stoi(it->str(1)), std::stoi(it->str(2))});
                }
            }
        }
        return glyphs;
    }();
    return table;
}

// '#' wherever either picture has one.
std::string Overlay(std::string picture, const std::string& over) {
    std::ranges::transform(picture, over, picture.begin(),
                           [](char a, char b) { return b == '#' ? b : a; });
    return picture;
}

class KeyFaces : public ::testing::TestWithParam<int> {};

// Fresh: the outer ring and the table's strokes; pressed: the inner ring
// added; released: the fresh face again, drawing on in the foreground colour.
TEST_P(KeyFaces, MatchTheStrokeTableFreshPressedAndReleased) {
    const KeyId key = KeyAt(GetParam());
    SCOPED_TRACE(ObjectName(key));
    const Glyph& glyph = StrokeTable().at(ObjectName(key));
    EXPECT_EQ(KeyGlyph(key), glyph) << "strokes in the table's order";
    PixelSurface face(27, 27, kBack);
    face.SetPen(kFore);
    DrawKeyFace(face, key);
    const std::string fresh = WithStrokes(ReadDataFile("ring_13.txt"), glyph);
    EXPECT_EQ(Picture(face), fresh);
    const PixelSurface drawn = face;
    for (int i = 0; i < 2; ++i) {
        DrawPressedLook(face);
        EXPECT_EQ(Picture(face), Overlay(fresh, ReadDataFile("ring_12.txt")));
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
    EXPECT_EQ(GridKeyLettering("Virelle"), StrokeTable().at("imaGrille \"Virelle\""));
    for (const char* tag : {"Grille", "", "virelle", "Virelle "}) {
        EXPECT_EQ(GridKeyLettering(tag), StrokeTable().at("imaGrille any other")) << tag;
    }
}

}  // namespace
}  // namespace tallimo
