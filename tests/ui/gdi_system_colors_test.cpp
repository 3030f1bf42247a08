#include <gtest/gtest.h>

#include <QApplication>
#include <QStyle>

#include "appearance/ui/system_colors.h"

namespace tallimo {
namespace {

QApplication& App() {
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        return *app;
    }
    static int argc = 1;
    static char name[] = "gdi_system_colors_test";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

struct RgbCase {
    ColorValue value;
    int red, green, blue;
};

class RgbValues : public ::testing::TestWithParam<RgbCase> {};

TEST_P(RgbValues, HaveRedInTheLowByte) {
    const RgbCase c = GetParam();
    EXPECT_EQ(ResolveColor(c.value, QPalette()), QColor(c.red, c.green, c.blue));
    EXPECT_EQ(ToColorValue(QColor(c.red, c.green, c.blue)), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RgbValues,
    ::testing::Values(RgbCase{0x000000FF, 255, 0, 0}, RgbCase{0x0000FF00, 0, 255, 0},
                      RgbCase{0x00FF0000, 0, 0, 255}, RgbCase{0x00E0E0E0, 224, 224, 224},
                      RgbCase{0x00563412, 0x12, 0x34, 0x56}, RgbCase{0, 0, 0, 0}));

// A palette whose roles all differ, so that each one can be recognised.
QPalette DistinctPalette() {
    QPalette palette;
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            palette.setColor(group, static_cast<QPalette::ColorRole>(role),
                             QColor(role * 9, 255 - role * 7, group * 60));
        }
    }
    return palette;
}

struct SystemCase {
    int index;
    QPalette::ColorRole role;
};

class DesktopRoles : public ::testing::TestWithParam<SystemCase> {};

TEST_P(DesktopRoles, GiveTheSystemColours) {
    const QPalette palette = DistinctPalette();
    EXPECT_EQ(ResolveColor(SystemColor(GetParam().index), palette),
              palette.color(QPalette::Active, GetParam().role));
}

INSTANTIATE_TEST_SUITE_P(
    KeysAndGridLines, DesktopRoles,
    ::testing::Values(SystemCase{15, QPalette::Button}, SystemCase{18, QPalette::ButtonText},
                      SystemCase{14, QPalette::HighlightedText},
                      SystemCase{13, QPalette::Highlight}, SystemCase{2, QPalette::Highlight},
                      SystemCase{9, QPalette::HighlightedText}, SystemCase{5, QPalette::Base},
                      SystemCase{8, QPalette::Text}));

TEST(SystemColors, NoSuchColourIsBlack) {
    const QPalette palette = DistinctPalette();
    for (const ColorValue value :
         {SystemColor(25), SystemColor(31), SystemColor(0xFFFF), ColorValue{-1}}) {
        EXPECT_EQ(ResolveColor(value, palette), QColor(Qt::black)) << value;
    }
    for (int index = 0; index <= 30; ++index) {
        if (index != 25) {
            EXPECT_NE(ResolveColor(SystemColor(index), palette), QColor(Qt::black)) << index;
        }
    }
}

// The keys' glyphs stay readable in each predefined style, on a light and on
// a dark desktop.
TEST(SystemColors, EveryStyleKeepsGlyphsApartFromTheirBackground) {
    App();
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 45));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Button, QColor(60, 60, 60));
    dark.setColor(QPalette::ButtonText, QColor(240, 240, 240));
    dark.setColor(QPalette::Highlight, QColor(40, 90, 160));
    dark.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
    for (const QPalette& palette : {QApplication::style()->standardPalette(), dark}) {
        for (const auto& [back, fore] : {std::pair{15, 18}, {2, 9}, {3, 19}}) {
            const QColor b = ResolveColor(SystemColor(back), palette);
            const QColor f = ResolveColor(SystemColor(fore), palette);
            const int difference = std::abs(qGray(b.rgb()) - qGray(f.rgb()));
            EXPECT_GT(difference, 60) << back << " and " << fore;
        }
    }
}

}  // namespace
}  // namespace tallimo
