#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "appearance/keypad_keys.h"
#include "face_test_data.h"

namespace tallimo {
namespace {

// The table gives each key's name, top-left corner in twips and tooltip.
TEST(KeypadKeys, EveryKeyHasItsNamePlaceSizeAndTooltip) {
    std::map<std::string, std::vector<std::string>> table;
    for (const auto& row : testing::ReadTable("keypad_table.txt")) {
        table[row[0]] = row;
    }
    ASSERT_EQ(table.size(), std::size_t{kKeyCount});
    for (int i = 0; i < kKeyCount; ++i) {
        const KeyId key = KeyAt(i);
        const std::vector<std::string>& row = table.at(ObjectName(key));
        SCOPED_TRACE(row[0]);
        EXPECT_EQ(KeyPosition(key).x, std::stoi(row[1]));
        EXPECT_EQ(KeyPosition(key).y, std::stoi(row[1].substr(row[1].find(',') + 1)));
        EXPECT_EQ(KeyTooltip(key), row[2]);
        const bool grid = key == KeyId::Grille;
        EXPECT_EQ(KeySize(key).width, grid ? 75 : 27);
        EXPECT_EQ(KeySize(key).height, grid ? 21 : 27);
        EXPECT_EQ(FindKey(ArrayOf(key), IndexOf(key)), key);
    }
}

TEST(KeypadKeys, IndexesOutsideAnArrayFindNoKey) {
    for (const auto& [array, index] : {std::pair{KeyArray::Chiffre, 10},
                                       {KeyArray::Operateur, 7},
                                       {KeyArray::Fonction, -1},
                                       {KeyArray::Mem, 5},
                                       {KeyArray::Signe, 1}}) {
        EXPECT_FALSE(FindKey(array, index).has_value()) << index;
    }
}

}  // namespace
}  // namespace tallimo
