#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <string>
#include <vector>

#include "appearance/key_faces.h"
#include "appearance/ui/kst_gdi_ctl.h"
#include "appearance/ui/system_colors.h"

namespace tallimo {
namespace {

QApplication& App() {
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        return *app;
    }
    static int argc = 1;
    static char name[] = "gdi_ctl_test";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

constexpr ColorValue kRed = 0x000000FF;
constexpr ColorValue kPaleBlue = 0x00FFE0C0;

// A shown key with a drawn face, and what it told its owner.
class ShownKey : public ::testing::Test {
  protected:
    void SetUp() override {
        control_.SetBackColor(kPaleBlue);
        control_.SetForeColor(kRed);
        DrawKey(control_, KeyId::Chiffre8);
        control_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&control_));
        QObject::connect(&control_, &KstGdiCtl::MouseDown, [this](int button, int shift) {
            log_.push_back("down " + std::to_string(button) + " " + std::to_string(shift));
        });
        QObject::connect(&control_, &KstGdiCtl::MouseUp, [this](int button, int shift) {
            log_.push_back("up " + std::to_string(button) + " " + std::to_string(shift));
        });
        QObject::connect(&control_, &KstGdiCtl::Click, [this] { log_.push_back("click"); });
    }

    QApplication& app_ = App();  // before any widget
    KstGdiCtl control_;
    std::vector<std::string> log_;
};

struct MouseCase {
    Qt::MouseButton button;
    Qt::KeyboardModifiers modifiers;
    std::vector<std::string> expected;
};

class MouseButtons : public ShownKey, public ::testing::WithParamInterface<MouseCase> {};

TEST_P(MouseButtons, ReachTheOwnerAsMasks) {
    const MouseCase c = GetParam();
    QTest::mousePress(&control_, c.button, c.modifiers, QPoint(13, 13));
    QTest::mouseRelease(&control_, c.button, c.modifiers, QPoint(14, 12));
    EXPECT_EQ(log_, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    ButtonsAndModifiers, MouseButtons,
    ::testing::Values(MouseCase{Qt::LeftButton, Qt::NoModifier, {"down 1 0", "up 1 0", "click"}},
                      MouseCase{Qt::RightButton, Qt::NoModifier, {"down 2 0", "up 2 0"}},
                      MouseCase{Qt::MiddleButton, Qt::NoModifier, {"down 4 0", "up 4 0"}},
                      MouseCase{Qt::RightButton, Qt::ShiftModifier, {"down 2 1", "up 2 1"}},
                      MouseCase{
                          Qt::LeftButton, Qt::ControlModifier, {"down 1 2", "up 1 2", "click"}},
                      MouseCase{Qt::LeftButton, Qt::AltModifier, {"down 1 4", "up 1 4", "click"}},
                      MouseCase{Qt::MiddleButton,
                                Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier,
                                {"down 4 7", "up 4 7"}}));

TEST_F(ShownKey, ReleasedElsewhereIsNoClick) {
    QTest::mousePress(&control_, Qt::LeftButton, Qt::NoModifier, QPoint(13, 13));
    QTest::mouseRelease(&control_, Qt::LeftButton, Qt::NoModifier, QPoint(40, 13));
    EXPECT_EQ(log_, (std::vector<std::string>{"down 1 0", "up 1 0"}));
}

// The second press of a double click comes as a double-click event; it is a
// press all the same, so that a digit typed twice quickly counts twice.
TEST_F(ShownKey, EveryPressOfADoubleClickCounts) {
    QTest::mouseClick(&control_, Qt::LeftButton, Qt::NoModifier, QPoint(13, 13));
    const QPointF at(13, 13);
    QMouseEvent second(QEvent::MouseButtonDblClick, at, control_.mapToGlobal(at), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&control_, &second);
    QMouseEvent release(QEvent::MouseButtonRelease, at, control_.mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&control_, &release);
    EXPECT_EQ(log_, (std::vector<std::string>{"down 1 0", "up 1 0", "click", "down 1 0", "up 1 0",
                                              "click"}));
}

TEST_F(ShownKey, ShowsItsImagePixelForPixel) {
    const QImage shown = control_.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), QSize(27, 27));
    const PixelSurface& surface = control_.Surface();
    int red = 0;
    int drawn = 0;
    for (int y = 0; y < 27; ++y) {
        for (int x = 0; x < 27; ++x) {
            EXPECT_EQ(shown.pixel(x, y), ResolveColor(surface.At(x, y)).rgb()) << x << "," << y;
            red += shown.pixel(x, y) == qRgb(255, 0, 0);
            drawn += surface.At(x, y) == kRed;
        }
    }
    EXPECT_EQ(red, drawn) << "ring and glyph in red";
    EXPECT_GT(drawn, 80);
}

// On a screen of ratio k each pixel is a k × k block of its own colour.
class PixelRatios : public ShownKey, public ::testing::WithParamInterface<int> {};

TEST_P(PixelRatios, MakeEveryPixelASharpBlock) {
    const int k = GetParam();
    PressLook(control_);
    QImage screen(27 * k, 27 * k, QImage::Format_RGB32);
    screen.setDevicePixelRatio(k);
    screen.fill(Qt::green);
    control_.render(&screen);
    const QImage picture = control_.Picture();
    for (int y = 0; y < 27 * k; ++y) {
        for (int x = 0; x < 27 * k; ++x) {
            ASSERT_EQ(screen.pixel(x, y), picture.pixel(x / k, y / k)) << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Ratios, PixelRatios, ::testing::Values(1, 2, 3));

struct BlockCase {
    qreal ratio;
    int block;
};

class Blocks : public ::testing::TestWithParam<BlockCase> {};

TEST_P(Blocks, AreWholeDevicePixels) {
    const BlockCase c = GetParam();
    QImage picture(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            picture.setPixel(x, y, qRgb(x * 50, y * 100, (x + y) % 2 * 255));
        }
    }
    const QImage blocks = ScaleToBlocks(picture, c.ratio);
    ASSERT_EQ(blocks.size(), picture.size() * c.block);
    EXPECT_EQ(blocks.devicePixelRatio(), c.block);
    for (int y = 0; y < blocks.height(); ++y) {
        for (int x = 0; x < blocks.width(); ++x) {
            ASSERT_EQ(blocks.pixel(x, y), picture.pixel(x / c.block, y / c.block));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Ratios, Blocks,
                         ::testing::Values(BlockCase{1.0, 1}, BlockCase{1.25, 1}, BlockCase{2.0, 2},
                                           BlockCase{2.5, 2}, BlockCase{3.0, 3}));

TEST(KstGdiCtl, NewBackColorClearsTheImage) {
    App();
    KstGdiCtl control;
    DrawKey(control, KeyId::Fonction8);
    PressLook(control);
    control.SetBackColor(kPaleBlue);
    for (const ColorValue pixel : control.Surface().Pixels()) {
        ASSERT_EQ(pixel, kPaleBlue);
    }
    DrawKey(control, KeyId::Fonction8);
    control.SetForeColor(kRed);
    control.Cls();
    for (const ColorValue pixel : control.Surface().Pixels()) {
        ASSERT_EQ(pixel, kPaleBlue);
    }
}

TEST(KstGdiCtl, PressAndReleaseLeaveTheFaceAsDrawn) {
    App();
    KstGdiCtl control;
    control.SetBackColor(SystemColor(3));
    control.SetForeColor(SystemColor(19));
    DrawKey(control, KeyId::Mem3);
    const QImage fresh = control.Picture();
    PressLook(control);
    EXPECT_NE(control.Picture(), fresh);
    ReleaseLook(control);
    EXPECT_EQ(control.Picture(), fresh);
    EXPECT_EQ(control.Surface().Pen(), SystemColor(19));
}

// The face keeps its colour references: a new desktop palette shows
// without drawing the face again.
TEST(KstGdiCtl, FollowsThePalette) {
    App();
    const QPalette saved = QApplication::palette();
    KstGdiCtl control;  // button text on button face
    DrawKey(control, KeyId::Egal);
    for (const QColor& face : {QColor(10, 20, 30), QColor(200, 100, 50)}) {
        QPalette palette = saved;
        palette.setColor(QPalette::Button, face);
        QApplication::setPalette(palette);
        const QImage picture = control.Picture();
        EXPECT_EQ(picture.pixelColor(13, 13), face);
        EXPECT_EQ(picture.pixelColor(0, 13), palette.color(QPalette::ButtonText));
    }
    QApplication::setPalette(saved);
}

struct NarrowCase {
    int set;
    int kept;
};

class SixteenBits : public ::testing::TestWithParam<NarrowCase> {};

TEST_P(SixteenBits, HoldFillStyleAndDrawMode) {
    App();
    KstGdiCtl control;
    control.SetFillstyle(GetParam().set);
    control.SetDrawMode(GetParam().set);
    EXPECT_EQ(control.Fillstyle(), GetParam().kept);
    EXPECT_EQ(control.DrawMode(), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(Values, SixteenBits,
                         ::testing::Values(NarrowCase{13, 13}, NarrowCase{0x1000D, 13},
                                           NarrowCase{-1, -1}, NarrowCase{0x8000, -32768},
                                           NarrowCase{0x7FFF, 0x7FFF}));

class KeySetUp : public ::testing::TestWithParam<int> {};

TEST_P(KeySetUp, PlacesSizesAndNamesTheKey) {
    App();
    const KeyId key = KeyAt(GetParam());
    QWidget window;
    KstGdiCtl control(&window);
    SetUpKey(control, key);
    EXPECT_EQ(control.x() * kTwipsPerPixel, KeyPosition(key).x);
    EXPECT_EQ(control.y() * kTwipsPerPixel, KeyPosition(key).y);
    EXPECT_EQ(control.size(), QSize(KeySize(key).width, KeySize(key).height));
    EXPECT_EQ(control.minimumSize(), control.maximumSize());
    EXPECT_EQ(control.Surface().Width(), KeySize(key).width);
    EXPECT_EQ(control.Surface().Height(), KeySize(key).height);
    EXPECT_EQ(control.toolTip().toStdString(), KeyTooltip(key));
    EXPECT_EQ(control.objectName().toStdString(), ObjectName(key));
    EXPECT_EQ(control.Fillstyle(), key == KeyId::Grille ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(AllKeys, KeySetUp, ::testing::Range(0, kKeyCount));

}  // namespace
}  // namespace tallimo
