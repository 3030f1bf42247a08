#include <gtest/gtest.h>

#include <QStyle>

#include "appearance/ui/system_colors.h"
#include "ui_test_app.h"

namespace tallimo {
namespace {

using enum QPalette::ColorRole;

// RGB values have red in their low byte. Each reference takes its role of
// the palette, whose roles and groups all differ here; a reference to no
// system colour gives black.
TEST(SystemColors, ValuesResolveThroughThePalette) {
    EXPECT_EQ(ResolveColor(0x00563412, QPalette()), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(ToColorValue(QColor(0x12, 0x34, 0x56)), 0x00563412);
    QPalette palette;
    for (int i = 0; i < 3 * NColorRoles; ++i) {  // active, inactive and disabled
        const auto group = QPalette::ColorGroup(i / NColorRoles);
        palette.setColor(group, QPalette::ColorRole(i % NColorRoles), QColor(i * 3, 200, 0));
    }
    const std::pair<int, QPalette::ColorRole> roles[] = {
        {15, Button},   {18, ButtonText},     {13, Highlight}, {14, HighlightedText},
        {2, Highlight}, {9, HighlightedText}, {5, Base},       {8, Text}};
    for (const auto& [index, role] : roles) {
        EXPECT_EQ(ResolveColor(SystemColor(index), palette), palette.color(role)) << index;
    }
    for (int index = 0; index < 40; ++index) {
        const bool black = ResolveColor(SystemColor(index), palette) == QColor(Qt::black);
        EXPECT_EQ(black, index == 25 || index > 30) << index;
    }
    EXPECT_EQ(ResolveColor(ColorValue{-1}, palette), QColor(Qt::black));
}

// The keys' glyphs stay readable in the style's palette and on a dark desktop.
TEST(SystemColors, KeysStayReadableOnLightAndDarkDesktops) {
    testing::App();
    const QPalette dark(QColor(60, 60, 60), QColor(45, 45, 45));  // button, window
    for (const QPalette& palette : {QApplication::style()->standardPalette(), dark}) {
        const auto grey = [&](int i) { return qGray(ResolveColor(SystemColor(i), palette).rgb()); };
        for (const auto& [back, fore] : {std::pair{15, 18}, {2, 9}, {3, 19}}) {
            EXPECT_GT(std::abs(grey(back) - grey(fore)), 60) << back << " and " << fore;
        }
    }
}

}  // namespace
}  // namespace tallimo
