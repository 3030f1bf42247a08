#include <gtest/gtest.h>

#include "engine/keyboard.h"

namespace tallimo {
namespace {

struct KeyboardCase {
    const char* what;
    int code;
    int mask;
    // -1 key: nothing happens; otherwise the keypad key, index and button.
    int key;
    int index;
    int button;
};

void PrintTo(const KeyboardCase& c, std::ostream* os) {
    *os << c.what;
}

constexpr int kNone = -1;
constexpr int kGrid = 100;

class KeyboardTable : public ::testing::TestWithParam<KeyboardCase> {};

TEST_P(KeyboardTable, MapsToTheKeypad) {
    const auto& c = GetParam();
    const auto action = MapKeyboardKey(c.code, c.mask);
    if (c.key == kNone) {
        EXPECT_FALSE(action) << c.what;
        return;
    }
    ASSERT_TRUE(action) << c.what;
    if (c.key == kGrid) {
        EXPECT_TRUE(action->grid_key);
        return;
    }
    EXPECT_FALSE(action->grid_key);
    EXPECT_EQ(static_cast<int>(action->key.key), c.key) << c.what;
    EXPECT_EQ(action->key.index, c.index) << c.what;
    EXPECT_EQ(action->key.button, c.button) << c.what;
}

constexpr int D = static_cast<int>(Key::Digit);
constexpr int Op = static_cast<int>(Key::Operator);
constexpr int Fn = static_cast<int>(Key::Function);
constexpr int Mem = static_cast<int>(Key::Memory);

INSTANTIATE_TEST_SUITE_P(
    Table, KeyboardTable,
    ::testing::Values(
        KeyboardCase{"pad 7", 103, 0, D, 7, 0}, KeyboardCase{"main 7", 55, 0, D, 7, 0},
        KeyboardCase{"shift main 7 (AZERTY)", 55, 1, D, 7, 0},
        KeyboardCase{"pad decimal", 110, 0, static_cast<int>(Key::DecimalComma), 0, 0},
        KeyboardCase{"comma key", 188, 0, static_cast<int>(Key::DecimalComma), 0, 0},
        KeyboardCase{"escape", 27, 0, static_cast<int>(Key::Cancel), 0, 0},
        KeyboardCase{"delete", 46, 0, static_cast<int>(Key::CancelEntry), 0, 0},
        KeyboardCase{"backspace", 8, 0, static_cast<int>(Key::Backspace), 0, 0},
        KeyboardCase{"F6", 117, 0, static_cast<int>(Key::Sign), 0, 0},
        KeyboardCase{"pad +", 107, 0, Op, 0, 0}, KeyboardCase{"pad -", 109, 0, Op, 1, 0},
        KeyboardCase{"pad *", 106, 0, Op, 2, 0}, KeyboardCase{"* key", 220, 0, Op, 2, 0},
        KeyboardCase{"pad /", 111, 0, Op, 3, 0}, KeyboardCase{": / key", 191, 0, Op, 3, 0},
        KeyboardCase{"% key", 192, 0, Op, 4, 0}, KeyboardCase{"Y", 89, 0, Op, 5, 0},
        KeyboardCase{"L", 76, 0, Op, 6, 0},
        KeyboardCase{"enter", 13, 0, static_cast<int>(Key::Equals), 0, 0},
        KeyboardCase{"= key", 187, 0, static_cast<int>(Key::Equals), 0, 0},
        KeyboardCase{"shift = key is +", 187, 1, Op, 0, 0}, KeyboardCase{"E", 69, 0, Fn, 0, 0},
        KeyboardCase{"F", 70, 0, Fn, 1, 0}, KeyboardCase{"; key", 190, 0, Fn, 2, 1},
        KeyboardCase{"shift ; key", 190, 1, Fn, 2, 2}, KeyboardCase{"R", 82, 0, Fn, 3, 0},
        KeyboardCase{"C", 67, 0, Fn, 4, 0}, KeyboardCase{"shift C", 67, 1, Fn, 4, 0},
        KeyboardCase{"ctrl shift C", 67, 3, Fn, 4, 0}, KeyboardCase{"K", 75, 0, Fn, 5, 0},
        KeyboardCase{"I", 73, 0, Fn, 6, 0}, KeyboardCase{"N", 78, 0, Fn, 7, 1},
        KeyboardCase{"shift N", 78, 1, Fn, 7, 2}, KeyboardCase{"D", 68, 0, Fn, 8, 1},
        KeyboardCase{"shift D", 68, 1, Fn, 8, 2}, KeyboardCase{"ctrl D", 68, 2, Fn, 8, 3},
        KeyboardCase{"ctrl shift D", 68, 3, Fn, 8, 4}, KeyboardCase{"O", 79, 0, Fn, 9, 0},
        KeyboardCase{"S", 83, 0, Fn, 10, 0}, KeyboardCase{"T", 84, 0, Fn, 11, 0},
        KeyboardCase{"P", 80, 0, static_cast<int>(Key::Constant), 0, 0},
        KeyboardCase{"F2", 113, 0, Mem, 1, 1}, KeyboardCase{"shift F2", 113, 1, Mem, 1, 2},
        KeyboardCase{"F5", 116, 0, Mem, 4, 1}, KeyboardCase{"G", 71, 0, kGrid, 0, 0},
        KeyboardCase{"shift O", 79, 1, Fn, 9, 0}, KeyboardCase{"ctrl shift S", 83, 3, Fn, 10, 0},
        KeyboardCase{"altgr P", 80, 6, static_cast<int>(Key::Constant), 0, 0},
        KeyboardCase{"ctrl T stays the keypad's", 84, 2, Fn, 11, 0},
        KeyboardCase{"alt alone", 55, 4, kNone, 0, 0},
        KeyboardCase{"altgr (ctrl alt)", 55, 6, D, 7, 0}, KeyboardCase{"alt shift", 55, 5, D, 7, 0},
        KeyboardCase{"V", 86, 0, kNone, 0, 0}, KeyboardCase{"F7", 118, 0, kNone, 0, 0},
        KeyboardCase{"ctrl shift Y stays x^y", 89, 3, Op, 5, 0},
        KeyboardCase{"ctrl = key", 187, 2, static_cast<int>(Key::Equals), 0, 0}));

}  // namespace
}  // namespace tallimo
