#include <gtest/gtest.h>

#include <QTest>

#include "appearance/ui/kst_gdi_ctl.h"
#include "appearance/ui/system_colors.h"
#include "printed_names.h"
#include "ui_test_app.h"

namespace tallimo {
namespace {

constexpr ColorValue kRed = 0x000000FF;

// A shown key with a drawn face, and what it told its owner.
class ShownKey : public ::testing::Test {
  protected:
    void SetUp() override {
        control_.SetForeColor(kRed);
        DrawKey(control_, KeyId::Chiffre8);
        control_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&control_));
        for (const auto& [signal, what] :
             {std::pair{&KstGdiCtl::MouseDown, "down "}, {&KstGdiCtl::MouseUp, "up "}}) {
            QObject::connect(&control_, signal, [this, what = what](int button, int shift) {
                log_ += what + std::to_string(button) + std::to_string(shift) + ' ';
            });
        }
        QObject::connect(&control_, &KstGdiCtl::Click, [this] { log_ += "click "; });
    }

    QApplication& app_ = testing::App();  // before any widget
    KstGdiCtl control_;
    std::string log_;
};

struct MouseCase {
    Qt::MouseButton button;
    Qt::KeyboardModifiers modifiers;
    int release_x;
    const char* expected;  // button and modifier masks
};

void PrintTo(const MouseCase& c, std::ostream* os) {
    *os << (c.button == Qt::LeftButton    ? "left"
            : c.button == Qt::RightButton ? "right"
                                          : "middle")
        << " released at " << c.release_x;
}

class MouseButtons : public ShownKey, public ::testing::WithParamInterface<MouseCase> {};

// The second press of a double click comes as a double-click event; it is a
// press all the same, so that a digit typed twice quickly counts twice.
TEST_P(MouseButtons, ReachTheOwnerAsMasksAtEveryPress) {
    const MouseCase c = GetParam();
    for (const auto press : {QTest::MousePress, QTest::MouseDClick}) {
        QTest::mouseEvent(press, &control_, c.button, c.modifiers, QPoint(13, 13));
        QTest::mouseRelease(&control_, c.button, c.modifiers, QPoint(c.release_x, 12));
    }
    EXPECT_EQ(log_, std::string(c.expected) + c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    ButtonsAndModifiers, MouseButtons,
    ::testing::Values(MouseCase{Qt::LeftButton, Qt::ControlModifier, 26, "down 12 up 12 click "},
                      MouseCase{Qt::LeftButton, Qt::NoModifier, 27, "down 10 up 10 "},
                      MouseCase{Qt::RightButton, Qt::ShiftModifier, 14, "down 21 up 21 "},
                      MouseCase{Qt::MiddleButton, Qt::AltModifier | Qt::ShiftModifier, 14,
                                "down 45 up 45 "}),
    ::tallimo::testing::PrintedName());

// Every pixel of the face, pressed ring included, shows as a block of whole
// device pixels of its own colour, never smoothed, whatever the screen's ratio.
TEST_F(ShownKey, ShowsEveryPixelAsASharpBlock) {
    PressLook(control_);
    for (const auto& [ratio, k] : {std::pair{1.0, 1}, {1.25, 1}, {2.0, 2}, {2.5, 2}, {3.0, 3}}) {
        QImage screen(27 * k, 27 * k, QImage::Format_RGB32);
        screen.setDevicePixelRatio(k);
        control_.render(&screen);
        EXPECT_TRUE(ScaleToBlocks(control_.Picture(), ratio) == screen) << ratio;
        for (int y = 0; y < 27 * k; ++y) {
            for (int x = 0; x < 27 * k; ++x) {
                const ColorValue value = control_.Surface().At(x / k, y / k);
                ASSERT_EQ(screen.pixel(x, y), ResolveColor(value).rgb())
                    << k << ": " << x << "," << y;
            }
        }
    }
}

// The face is drawn in ForeColor; a new BackColor, or Cls, clears every
// pixel to it.
TEST_F(ShownKey, DrawingAndClearing) {
    EXPECT_EQ(control_.Surface().At(0, 13), kRed);
    control_.SetBackColor(SystemColor(3));
    EXPECT_EQ(std::ranges::count(control_.Surface().Pixels(), SystemColor(3)), 27 * 27);
    DrawKey(control_, KeyId::Fonction8);
    control_.Cls();
    EXPECT_EQ(std::ranges::count(control_.Surface().Pixels(), SystemColor(3)), 27 * 27);
}

}  // namespace
}  // namespace tallimo
