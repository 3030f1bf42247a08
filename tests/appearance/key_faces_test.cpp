#include <gtest/gtest.h>

#include <map>
#include <string>

#include "appearance/key_faces.h"
#include "face_test_data.h"

namespace tallimo {
namespace {

using testing::PixelSet;
using testing::PixelsOf;
using testing::Union;

constexpr ColorValue kBack = SystemColor(15);
constexpr ColorValue kFore = SystemColor(18);

// "imaChiffre(7)" → "imaChiffre7", as ObjectName spells it.
std::string WidgetName(std::string name) {
    std::erase(name, '(');
    std::erase(name, ')');
    return name;
}

// The stroke table: each key's strokes, the "M" of the memory keys spelled
// out, and the grid key's letterings under "imaGrille <tag>".
const std::map<std::string, Glyph>& StrokeTable() {
    static const std::map<std::string, Glyph> table = [] {
        std::map<std::string, Glyph> rows;
        for (const std::string& line : testing::ReadDataLines("glyph_strokes.txt")) {
            const auto bar = line.find(" | ");
            const std::string key = line.substr(0, bar);
            const std::string strokes = line.substr(bar + 3);
            Glyph glyph;
            if (strokes.starts_with("(\"M\")")) {
                const Glyph& m = rows.at("imaMem0");
                glyph.assign(m.begin(), m.begin() + 7);
            }
            for (const auto& stroke : testing::ParseStrokes(strokes)) {
                glyph.push_back(stroke);
            }
            rows[key.starts_with("imaGrille") ? key : WidgetName(key)] = glyph;
        }
        return rows;
    }();
    return table;
}

PixelSurface FreshKey(KeyId key) {
    PixelSurface surface(27, 27, kBack);
    surface.SetPen(kFore);
    DrawKeyFace(surface, key);
    return surface;
}

class KeyFaces : public ::testing::TestWithParam<int> {
  protected:
    KeyId Key() const { return KeyAt(GetParam()); }
    const Glyph& TableGlyph() const { return StrokeTable().at(ObjectName(Key())); }
};

TEST_P(KeyFaces, GlyphIsTheTablesStrokesInOrder) {
    EXPECT_EQ(KeyGlyph(Key()), TableGlyph());
}

TEST_P(KeyFaces, FreshFaceIsTheRingAndTheStrokes) {
    const PixelSurface face = FreshKey(Key());
    const PixelSet expected =
        Union(testing::ReadPicture("ring_13.txt"), testing::StrokePixels(TableGlyph()));
    EXPECT_EQ(PixelsOf(face, kFore), expected)
        << testing::Picture(PixelsOf(face, kFore), 27, 27) << "expected\n"
        << testing::Picture(expected, 27, 27);
    EXPECT_EQ(PixelsOf(face, kBack).size() + expected.size(), 27u * 27u);
}

TEST_P(KeyFaces, PressingAddsExactlyTheInnerRing) {
    const PixelSurface fresh = FreshKey(Key());
    PixelSurface pressed = fresh;
    DrawPressedLook(pressed);
    const PixelSet inner = testing::ReadPicture("ring_12.txt");
    EXPECT_EQ(PixelsOf(pressed, kFore), Union(PixelsOf(fresh, kFore), inner));
    for (const auto& pixel : inner) {
        EXPECT_FALSE(PixelsOf(fresh, kFore).count(pixel))
            << "the inner ring covers the face at " << pixel.first << "," << pixel.second;
    }
}

TEST_P(KeyFaces, PressAndReleaseRestoreTheFreshFace) {
    const PixelSurface fresh = FreshKey(Key());
    PixelSurface face = fresh;
    for (int i = 0; i < 3; ++i) {
        DrawPressedLook(face);
        DrawReleasedLook(face, kFore);
    }
    EXPECT_TRUE(std::ranges::equal(face.Pixels(), fresh.Pixels()));
    EXPECT_EQ(face.Pen(), kFore) << "later drawing is in the foreground colour";
}

INSTANTIATE_TEST_SUITE_P(AllKeypadKeys, KeyFaces, ::testing::Range(0, kKeypadKeyCount),
                         [](const ::testing::TestParamInfo<int>& info) {
                             std::string name = ObjectName(KeyAt(info.param));
                             // Test names are ASCII: "imaOpérateur0" → "imaOperateur0".
                             if (const auto e = name.find("é"); e != std::string::npos) {
                                 name.replace(e, std::string_view("é").size(), "e");
                             }
                             return name;
                         });

TEST(KeyFace, RedrawnInNewColoursKeepsNoTraceOfTheOld) {
    PixelSurface face = FreshKey(KeyId::Operateur4);
    DrawPressedLook(face);
    face.SetBackColor(0x00C0FFEE);
    Cls(face);
    face.SetPen(0x00000080);
    DrawKeyFace(face, KeyId::Operateur4);
    EXPECT_TRUE(PixelsOf(face, kFore).empty());
    EXPECT_EQ(PixelsOf(face, 0x00000080), PixelsOf(FreshKey(KeyId::Operateur4), kFore));
}

struct GridKeyCase {
    const char* tag;
    const char* picture;
    const char* lettering;  // its row in the stroke table
};

class GridKeyFaces : public ::testing::TestWithParam<GridKeyCase> {};

TEST_P(GridKeyFaces, ShowTheLetteringTheTagChooses) {
    const GridKeyCase c = GetParam();
    PixelSurface face(75, 21, kBack);
    face.SetPen(kFore);
    // Whatever was there before is cleared first.
    DrawGridKeyFace(face, c.tag == kCalculatorModeTag ? "Grille" : kCalculatorModeTag);
    DrawGridKeyFace(face, c.tag);
    const PixelSet pixels = PixelsOf(face, kFore);
    EXPECT_EQ(pixels, testing::ReadPicture(c.picture)) << testing::Picture(pixels, 75, 21);

    PixelSurface outline(75, 21, kBack);
    outline.SetPen(kFore);
    DrawRoundRect(outline, 0, 0, 74, 20, 14, 14);
    const Glyph& lettering = StrokeTable().at(c.lettering);
    EXPECT_EQ(GridKeyLettering(c.tag), lettering);
    EXPECT_EQ(pixels, Union(PixelsOf(outline, kFore), testing::StrokePixels(lettering)));
    EXPECT_EQ(PixelsOf(face, kBack).size() + pixels.size(), 75u * 21u);
}

INSTANTIATE_TEST_SUITE_P(
    Tags, GridKeyFaces,
    ::testing::Values(GridKeyCase{"Virelle", "grid_key_virelle.txt", "imaGrille \"Virelle\""},
                      GridKeyCase{"Grille", "grid_key_retour.txt", "imaGrille any other"},
                      GridKeyCase{"", "grid_key_retour.txt", "imaGrille any other"},
                      GridKeyCase{"virelle", "grid_key_retour.txt", "imaGrille any other"},
                      GridKeyCase{"Virelle ", "grid_key_retour.txt", "imaGrille any other"}));

TEST(GridKeyFace, TheDotOfTheIIsOnePixelAboveAGap) {
    PixelSurface face(75, 21, kBack);
    face.SetPen(kFore);
    DrawGridKeyFace(face, kCalculatorModeTag);
    EXPECT_EQ(face.At(18, 6), kFore);
    EXPECT_EQ(face.At(18, 7), kBack);
    EXPECT_EQ(face.At(18, 8), kFore);
}

TEST(GridKeyFace, IsNotAKeypadFace) {
    PixelSurface surface(75, 21, kBack);
    DrawKeyFace(surface, KeyId::Grille);
    EXPECT_EQ(PixelsOf(surface, kBack).size(), 75u * 21u);
    EXPECT_TRUE(KeyGlyph(KeyId::Grille).empty());
}

}  // namespace
}  // namespace tallimo
