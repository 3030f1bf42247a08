#include <gtest/gtest.h>

#include "engine/keyboard.h"
#include "printed_names.h"

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

class KeyboardTable : public ::testing::TestWithParam<KeyboardCase> {};

TEST_P(KeyboardTable, MapsToTheKeypad) {
    const auto& c = GetParam();
    const auto action = MapKeyboardKey(c.code, c.mask);
    if (c.key == kNone) {
        EXPECT_FALSE(action) << c.what;
        return;
    }
    ASSERT_TRUE(action) << c.what;
    EXPECT_FALSE(action->grid_key);
    EXPECT_EQ(static_cast<int>(action->key.key), c.key) << c.what;
    EXPECT_EQ(action->key.index, c.index) << c.what;
    EXPECT_EQ(action->key.button, c.button) << c.what;
}

constexpr int D = static_cast<int>(Key::Digit);
constexpr int Op = static_cast<int>(Key::Operator);
constexpr int Fn = static_cast<int>(Key::Function);

// The keys alone and with Shift are checked against the help's keyboard
// table; here, the other modifiers: Ctrl is the key's own unless the menus
// take it first, Alt alone does nothing, AltGr types as the key does.
INSTANTIATE_TEST_SUITE_P(
    Modifiers, KeyboardTable,
    ::testing::Values(KeyboardCase{"ctrl shift C", 67, 3, Fn, 4, 0},
                      KeyboardCase{"ctrl D", 68, 2, Fn, 8, 3},
                      KeyboardCase{"ctrl shift D", 68, 3, Fn, 8, 4},
                      KeyboardCase{"ctrl shift S", 83, 3, Fn, 10, 0},
                      KeyboardCase{"ctrl shift Y stays x^y", 89, 3, Op, 5, 0},
                      KeyboardCase{"ctrl T stays the keypad's", 84, 2, Fn, 11, 0},
                      KeyboardCase{"ctrl = key", 187, 2, static_cast<int>(Key::Equals), 0, 0},
                      KeyboardCase{"altgr P", 80, 6, static_cast<int>(Key::Constant), 0, 0},
                      KeyboardCase{"alt alone", 55, 4, kNone, 0, 0},
                      KeyboardCase{"altgr (ctrl alt)", 55, 6, D, 7, 0},
                      KeyboardCase{"alt shift", 55, 5, D, 7, 0}),
    ::tallimo::testing::PrintedName());

}  // namespace
}  // namespace tallimo
