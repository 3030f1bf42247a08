// A calculator window whose messages and questions are answered by the test.
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <initializer_list>

#include "app/frm_calc.h"
#include "appearance/ui/kst_gdi_ctl.h"
#include "fake_host.h"
#include "grid/ui/calc_grid_view.h"
#include "ui_test_app.h"

namespace tallimo::testing {

// Makes sure the application exists before the fixture's widgets.
struct WithApp {
    WithApp() { App(); }
};

class WindowTest : public ::testing::Test, private WithApp {
  protected:
    WindowTest() {
        host.dialogs.otherwise = "2";  // the decimals question's default
        window.show();
    }

    void Click(KeyId key, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(window.KeyControl(key), button, {}, QPoint(13, 13));
    }
    void Keys(std::initializer_list<KeyId> keys) {
        for (KeyId key : keys) {
            Click(key);
        }
    }

    FakeHost host;
    FrmCalc window{host};
};

}  // namespace tallimo::testing
