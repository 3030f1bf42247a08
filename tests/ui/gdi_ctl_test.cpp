#include <gtest/gtest.h>

#include <QTest>

#include "appearance/ui/kst_gdi_ctl.h"
#include "appearance/ui/system_colors.h"
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
                                "down 45 up 45 "}));

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

// The face is drawn in ForeColor; pressing and releasing leave it as drawn,
// the pen in ForeColor; a new BackColor, or Cls, clears every pixel to it.
TEST_F(ShownKey, LooksAndClearing) {
    EXPECT_EQ(control_.Surface().At(0, 13), kRed);
    const QImage fresh = control_.Picture();
    PressLook(control_);
    EXPECT_NE(control_.Picture(), fresh);
    ReleaseLook(control_);
    EXPECT_EQ(control_.Picture(), fresh);
    EXPECT_EQ(control_.Surface().Pen(), kRed);
    control_.SetBackColor(SystemColor(3));
    EXPECT_EQ(std::ranges::count(control_.Surface().Pixels(), SystemColor(3)), 27 * 27);
    DrawKey(control_, KeyId::Fonction8);
    control_.Cls();
    EXPECT_EQ(std::ranges::count(control_.Surface().Pixels(), SystemColor(3)), 27 * 27);
}

// A new key is button text on button face, and keeps these references, so
// that a new desktop palette shows without drawing again.
TEST_F(ShownKey, NewKeyFollowsThePalette) {
    const QPalette saved = QApplication::palette();
    KstGdiCtl control;
    DrawKey(control, KeyId::Egal);
    QApplication::setPalette(QPalette(QColor(10, 20, 30), QColor(200, 100, 50)));  // button, window
    EXPECT_EQ(control.Picture().pixelColor(13, 13), QColor(10, 20, 30));
    EXPECT_EQ(control.Picture().pixelColor(0, 13),
              QApplication::palette().color(QPalette::ButtonText));
    QApplication::setPalette(saved);
}

// A few keys of the keypad, placed at their twips to the nearest pixel.
TEST_F(ShownKey, SetUpPlacesSizesNamesAndExplainsTheKey) {
    struct Case {
        KeyId key;
        QRect pixels;
        const char* name;
        const char* tooltip;
    };
    const Case cases[] = {
        {KeyId::Chiffre7,
         {8, 24, 27, 27},
         "imaChiffre7",
         "Touches 0 à 9 du clavier et du pavé numérique"},
        {KeyId::Operateur4,
         {144, 120, 27, 27},
         "imaOpérateur4",
         "Reste de la division de x par y. Clavier: %"},
        {KeyId::Egal,
         {144, 88, 27, 27},
         "imaEgal",
         "Touche Entrée du clavier et du pavé numérique."},
        {KeyId::Mem3,
         {104, 184, 27, 27},
         "imaMem3",
         "Emplacement mémoire. Clic gauche: mémorisation. Clic droit: rappel. Clavier: F1 à F5 "
         "et Shift-F1 à Shift-F5"},
        {KeyId::Grille, {192, 256, 75, 21}, "imaGrille", "Clavier: G"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget window;
        KstGdiCtl control(&window);
        SetUpKey(control, c.key);
        EXPECT_EQ(control.geometry(), c.pixels);
        EXPECT_TRUE(control.minimumSize() == c.pixels.size() &&
                    control.maximumSize() == c.pixels.size());
        EXPECT_EQ(QSize(control.Surface().Width(), control.Surface().Height()), c.pixels.size());
        EXPECT_EQ(control.toolTip(), QString::fromUtf8(c.tooltip));
        EXPECT_EQ(control.objectName(), QString::fromUtf8(c.name));
    }
}

}  // namespace
}  // namespace tallimo
