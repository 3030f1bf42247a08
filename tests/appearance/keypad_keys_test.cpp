#include <gtest/gtest.h>

#include <set>
#include <string>

#include "appearance/keypad_keys.h"
#include "face_test_data.h"

namespace tallimo {
namespace {

struct TableRow {
    std::string name;
    TwipPoint position;
    std::string tooltip;
};

// "imaChiffre(7) | 120, 360 | Touches 0 à 9 ..."
std::vector<TableRow> KeypadTable() {
    std::vector<TableRow> rows;
    for (const std::string& line : testing::ReadDataLines("keypad_table.txt")) {
        const auto first = line.find(" | ");
        const auto second = line.find(" | ", first + 3);
        TableRow row;
        row.name = line.substr(0, first);
        std::erase(row.name, '(');
        std::erase(row.name, ')');
        const std::string position = line.substr(first + 3, second - first - 3);
        row.position.x = std::stoi(position);
        row.position.y = std::stoi(position.substr(position.find(',') + 1));
        row.tooltip = line.substr(second + 3);
        rows.push_back(row);
    }
    return rows;
}

TEST(KeypadKeys, EveryKeyHasItsPlaceAndTooltip) {
    const std::vector<TableRow> table = KeypadTable();
    ASSERT_EQ(static_cast<int>(table.size()), kKeyCount);
    std::set<int> seen;
    for (const TableRow& row : table) {
        int found = -1;
        for (int i = 0; i < kKeyCount; ++i) {
            if (ObjectName(KeyAt(i)) == row.name) {
                found = i;
            }
        }
        ASSERT_GE(found, 0) << row.name;
        EXPECT_TRUE(seen.insert(found).second) << row.name;
        const KeyId key = KeyAt(found);
        EXPECT_EQ(KeyPosition(key).x, row.position.x) << row.name;
        EXPECT_EQ(KeyPosition(key).y, row.position.y) << row.name;
        EXPECT_EQ(KeyTooltip(key), row.tooltip) << row.name;
    }
}

TEST(KeypadKeys, ArraysAndIndexesFindTheirKeys) {
    for (int i = 0; i < kKeyCount; ++i) {
        const KeyId key = KeyAt(i);
        EXPECT_EQ(FindKey(ArrayOf(key), IndexOf(key)), key);
        const std::string name = ObjectName(key);
        EXPECT_TRUE(name.starts_with(ControlName(ArrayOf(key))));
        EXPECT_EQ(name.size() > ControlName(ArrayOf(key)).size(), !IsSingleControl(ArrayOf(key)));
    }
    struct Missing {
        KeyArray array;
        int index;
    };
    for (const Missing m : {Missing{KeyArray::Chiffre, 10}, Missing{KeyArray::Operateur, 7},
                            Missing{KeyArray::Fonction, -1}, Missing{KeyArray::Mem, 5},
                            Missing{KeyArray::Signe, 1}}) {
        EXPECT_FALSE(FindKey(m.array, m.index).has_value());
    }
}

// At their sizes in pixels, 15 twips each, no two keys overlap and all of
// them stay left of the calculation grid and above the memory bar.
TEST(KeypadKeys, KeysDoNotOverlap) {
    constexpr int kGridLeft = 4560;
    constexpr int kStatusBarTop = 5790;
    for (int i = 0; i < kKeyCount; ++i) {
        const TwipPoint a = KeyPosition(KeyAt(i));
        const PixelSize sa = KeySize(KeyAt(i));
        EXPECT_LE(a.x + sa.width * kTwipsPerPixel, kGridLeft);
        EXPECT_LE(a.y + sa.height * kTwipsPerPixel, kStatusBarTop);
        for (int j = i + 1; j < kKeyCount; ++j) {
            const TwipPoint b = KeyPosition(KeyAt(j));
            const PixelSize sb = KeySize(KeyAt(j));
            const bool apart =
                a.x + sa.width * kTwipsPerPixel <= b.x || b.x + sb.width * kTwipsPerPixel <= a.x ||
                a.y + sa.height * kTwipsPerPixel <= b.y || b.y + sb.height * kTwipsPerPixel <= a.y;
            EXPECT_TRUE(apart) << ObjectName(KeyAt(i)) << " and " << ObjectName(KeyAt(j));
        }
    }
    EXPECT_EQ(KeySize(KeyId::Grille).width, 75);
    EXPECT_EQ(KeySize(KeyId::Grille).height, 21);
}

}  // namespace
}  // namespace tallimo
