#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLabel>
#include <QTest>

#include "app/frm_calc.h"
#include "appearance/ui/kst_gdi_ctl.h"
#include "appearance/ui/system_colors.h"
#include "appearance/ui/window_colors.h"
#include "fake_host.h"
#include "grid/ui/calc_grid_view.h"
#include "ui_test_app.h"

namespace tallimo {
namespace {

// The calculator window as the colours reach it.
class WindowColors : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int i = 0; i < kKeyCount; ++i) {
            keys_[static_cast<std::size_t>(i)] = window_.KeyControl(KeyAt(i));
        }
        parts_ = {&keys_, GridMode::Calculator, window_.centralWidget(), window_.GridView(),
                  window_.Dial()};
    }
    void TearDown() override { QApplication::setPalette(original_); }

    // The colours of the key's face, most frequent first.
    static std::vector<QRgb> FaceColors(const KstGdiCtl& key) {
        const QImage face = key.Picture();
        std::map<QRgb, int> counts;
        for (int y = 0; y < face.height(); ++y) {
            for (int x = 0; x < face.width(); ++x) {
                ++counts[face.pixel(x, y)];
            }
        }
        std::vector<QRgb> colours;
        for (const auto& entry : counts) {
            colours.push_back(entry.first);
        }
        std::ranges::stable_sort(colours, [&](QRgb a, QRgb b) { return counts[a] > counts[b]; });
        return colours;
    }

    QApplication& app_ = testing::App();
    QPalette original_ = QApplication::palette();
    testing::FakeHost host_;
    FrmCalc window_{host_};
    std::array<KstGdiCtl*, kKeyCount> keys_{};
    WindowColorParts parts_;
};

TEST_F(WindowColors, EveryPartTakesItsColour) {
    const ColorSet custom{4, {0x00203040, 0x000000FF, 0x0000FF00, 0x00FF0000, 0x00FFFFFF}};
    ApplyWindowColors(parts_, custom);
    for (int i = 0; i < kKeyCount; ++i) {
        const KstGdiCtl& key = *keys_[static_cast<std::size_t>(i)];
        EXPECT_EQ(key.BackColor(), 0x00203040) << i;
        EXPECT_EQ(key.ForeColor(), 0x000000FF) << i;
        // The face is drawn again: background and glyph, nothing else.
        EXPECT_EQ(FaceColors(key), (std::vector<QRgb>{qRgb(0x40, 0x30, 0x20), qRgb(0xFF, 0, 0)}))
            << i;
    }
    EXPECT_EQ(window_.centralWidget()->palette().color(QPalette::Window), QColor(0x40, 0x30, 0x20));
    const QTableView& grid = *window_.GridView();
    for (const auto group : {QPalette::Active, QPalette::Disabled}) {
        EXPECT_EQ(grid.palette().color(group, QPalette::Base), QColor(0, 255, 0));
        EXPECT_EQ(grid.horizontalHeader()->palette().color(group, QPalette::Button),
                  QColor(0, 255, 0));
        EXPECT_EQ(grid.verticalHeader()->palette().color(group, QPalette::Window),
                  QColor(0, 255, 0));
        // The text of a disabled grid stays readable.
        EXPECT_EQ(grid.palette().color(group, QPalette::Text),
                  QApplication::palette().color(QPalette::Active, QPalette::Text));
    }
    EXPECT_EQ(window_.Dial()->palette().color(QPalette::Window), QColor(0, 0, 255));
    EXPECT_EQ(window_.Dial()->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    // The grid's ordinary cells keep the desktop's base colour.
    EXPECT_EQ(grid.model()->index(0, 1).data(Qt::BackgroundRole).value<QColor>(),
              QApplication::palette().color(QPalette::Base));
}

// System colours follow a new palette of the desktop, the window's and the
// dial's included, and so do the keys' faces at their next paint.
TEST_F(WindowColors, SystemColoursFollowTheDesktopPalette) {
    ApplyWindowColors(parts_, StyleColorSet(2, {}));
    QPalette dark = original_;
    dark.setColor(QPalette::Highlight, QColor(10, 20, 30));
    dark.setColor(QPalette::HighlightedText, QColor(250, 240, 230));
    QApplication::setPalette(dark);
    QCoreApplication::processEvents();
    EXPECT_EQ(window_.centralWidget()->palette().color(QPalette::Window), QColor(10, 20, 30));
    EXPECT_EQ(window_.GridView()->palette().color(QPalette::Base), QColor(10, 20, 30));
    EXPECT_EQ(window_.Dial()->palette().color(QPalette::Window), QColor(0xE0, 0xE0, 0xE0));
    EXPECT_EQ(FaceColors(*keys_[0]), (std::vector<QRgb>{qRgb(10, 20, 30), qRgb(250, 240, 230)}));
}

}  // namespace
}  // namespace tallimo
