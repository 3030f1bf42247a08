// A calculator window whose messages and questions are answered by the test.
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <initializer_list>
#include <map>
#include <string_view>

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
    // Keypad keys: digits, + x /, '=', 's' the sign, 'q' the square, 'c' the
    // reset, 'g' the grid key.
    void Type(std::string_view script) {
        static const std::map<char, KeyId> named = {
            {'+', KeyId::Operateur0}, {'x', KeyId::Operateur2}, {'/', KeyId::Operateur3},
            {'=', KeyId::Egal},       {'s', KeyId::Signe},      {'q', KeyId::Fonction4},
            {'c', KeyId::Cancel},     {'g', KeyId::Grille}};
        for (const char c : script) {
            Click(c >= '0' && c <= '9' ? KeyAt(KeyNumber(KeyId::Chiffre0) + c - '0') : named.at(c));
        }
    }

    FakeHost host;
    FrmCalc window{host};
};

}  // namespace tallimo::testing
