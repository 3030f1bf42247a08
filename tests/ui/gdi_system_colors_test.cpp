#include <gtest/gtest.h>

#include <QStyle>

#include "appearance/ui/system_colors.h"
#include "ui_test_app.h"

namespace tallimo {
namespace {

// RGB values have red in their low byte; a value that is no colour at all
// gives black.
TEST(SystemColors, ValuesKeepRedInTheLowByte) {
    EXPECT_EQ(ResolveColor(0x00563412, QPalette()), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(ToColorValue(QColor(0x12, 0x34, 0x56)), 0x00563412);
    EXPECT_EQ(ResolveColor(ColorValue{-1}, QPalette()), QColor(Qt::black));
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
