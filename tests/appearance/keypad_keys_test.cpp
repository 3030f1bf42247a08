#include <gtest/gtest.h>

#include "appearance/keypad_keys.h"

namespace tallimo {
namespace {

// A drawn key and the engine key it stands for lead to each other, so the
// keyboard's engine keys always find the key whose pressed look they show.
TEST(KeypadKeys, EveryKeypadKeyAndItsEngineKeyFindEachOther) {
    for (int i = 0; i < kKeypadKeyCount; ++i) {
        const KeyId key = KeyAt(i);
        SCOPED_TRACE(ObjectName(key));
        for (int button : {1, 2}) {
            const std::optional<KeyPress> press = EngineKey(key, button);
            ASSERT_TRUE(press.has_value());
            EXPECT_EQ(press->button, button);
            EXPECT_EQ(press->index, IndexOf(key));
            EXPECT_EQ(KeyOf(*press), key);
        }
        EXPECT_EQ(FindKey(ArrayOf(key), IndexOf(key)), key);
    }
    EXPECT_FALSE(EngineKey(KeyId::Grille, 1).has_value()) << "the grid key only switches modes";
}

TEST(KeypadKeys, IndexesOutsideAnArrayFindNoKey) {
    for (const auto& [array, index] : {std::pair{KeyArray::Chiffre, 10},
                                       {KeyArray::Operateur, 7},
                                       {KeyArray::Fonction, -1},
                                       {KeyArray::Mem, 5},
                                       {KeyArray::Signe, 1}}) {
        EXPECT_FALSE(FindKey(array, index).has_value()) << index;
    }
    EXPECT_FALSE(KeyOf({Key::Digit, 10, 1}).has_value());
    EXPECT_FALSE(KeyOf({Key::Function, 12, 1}).has_value());
}

}  // namespace
}  // namespace tallimo
