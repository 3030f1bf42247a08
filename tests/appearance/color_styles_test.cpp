#include "appearance/color_styles.h"

#include <gtest/gtest.h>

#include "memory_settings_store.h"
#include "printed_names.h"

namespace tallimo {
namespace {

using testing::MemorySettingsStore;

// The style-1 colours as the store writes them.
const std::vector<std::string> kStyle1Texts = {"-2147483633", "-2147483630", "-2147483633",
                                               "14737632", "0"};

using Stored = std::vector<std::pair<std::string, std::string>>;

MemorySettingsStore StoreWith(const Stored& values) {
    MemorySettingsStore store;
    for (const auto& [key, value] : values) {
        store.values[{"Colors", key}] = value;
    }
    return store;
}

std::vector<std::string> Texts(const FiveColors& colors) {
    std::vector<std::string> texts;
    for (const ColorValue c : colors) {
        texts.push_back(ColorValueText(c));
    }
    return texts;
}

struct LoadCase {
    const char* what;
    Stored stored;
    int style;
    std::vector<std::string> colors;  // as stored texts
    std::vector<std::string> custom;  // what the personalisation window starts on
};

void PrintTo(const LoadCase& c, std::ostream* os) {
    *os << c.what;
}

class Loading : public ::testing::TestWithParam<LoadCase> {};

TEST_P(Loading, FallsBackToSoundColoursForEveryDamage) {
    const LoadCase& c = GetParam();
    const MemorySettingsStore store = StoreWith(c.stored);
    const ColorSet loaded = LoadColors(store);
    EXPECT_EQ(loaded.style, c.style);
    EXPECT_EQ(Texts(loaded.colors), c.colors);
    EXPECT_EQ(StoredStyle(store), c.style);
    EXPECT_EQ(Texts(StoredCustomColors(store)), c.custom);
}

const std::vector<std::string> kCustom = {"255", "-2147483646", "65280", "16711680", "12345"};
const std::vector<std::string> kStyle2 = {"-2147483646", "-2147483639", "-2147483646", "14737632",
                                          "0"};
const std::vector<std::string> kStyle3 = {"-2147483645", "-2147483629", "-2147483645", "14737632",
                                          "0"};
// The style and kCustom.
Stored WithCustom(const std::string& style) {
    return {{"Style", style},    {"Color1", "255"},      {"Color2", "-2147483646"},
            {"Color3", "65280"}, {"Color4", "16711680"}, {"Color5", "12345"}};
}

const std::vector<std::string> kLimits = {"-2147483648", "-2147483618", "16777215", "0", "0"};
const std::vector<std::string> kSpaced = {"255", "-2147483630", "-2147483633", "14737632", "0"};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Stores, Loading, ::testing::Values(
    LoadCase{"empty", {}, 1, kStyle1Texts, kStyle1Texts},
    LoadCase{"style 2", {{"Style", "2"}}, 2, kStyle2, kStyle1Texts},
    LoadCase{"style 3", WithCustom("3"), 3, kStyle3, kCustom},
    LoadCase{"custom", WithCustom("4"), 4, kCustom, kCustom},
    LoadCase{"custom never chosen", {{"Style", "4"}}, 4, kStyle1Texts, kStyle1Texts},
    LoadCase{"spaces", {{"Style", " 4 "}, {"Color1", " 255"}}, 4, kSpaced, kSpaced},
    LoadCase{"style 0", WithCustom("0"), 1, kStyle1Texts, kCustom},
    LoadCase{"style 5", {{"Style", "5"}}, 1, kStyle1Texts, kStyle1Texts},
    LoadCase{"style wraps to 4 in 32 bits", {{"Style", "4294967300"}}, 1, kStyle1Texts,
             kStyle1Texts},
    LoadCase{"style text", {{"Style", "quatre"}}, 1, kStyle1Texts, kStyle1Texts},
    LoadCase{"style 4.0", {{"Style", "4.0"}}, 1, kStyle1Texts, kStyle1Texts},
    LoadCase{"style empty", {{"Style", ""}}, 1, kStyle1Texts, kStyle1Texts},
    LoadCase{"damaged colours", {{"Style", "4"},
                                 {"Color1", "-1"},           // no system colour
                                 {"Color2", "16777216"},     // above white
                                 {"Color3", "-2147483617"},  // system colour 31, unknown
                                 {"Color4", "2147483648"},   // beyond 32 bits
                                 {"Color5", "0x00FF00"}},    // not decimal
             4, kStyle1Texts, kStyle1Texts},
    LoadCase{"colour limits", {{"Style", "4"},
                               {"Color1", "-2147483648"},  // system colour 0
                               {"Color2", "-2147483618"},  // system colour 30
                               {"Color3", "16777215"},     // white
                               {"Color4", "0"}, {"Color5", "-0"}},
             4, kLimits, kLimits}),
    testing::PrintedName());
// clang-format on

// Only the custom style writes its colours, after the style; a predefined
// style leaves the custom colours stored before as they were.
TEST(Saving, WritesTheStyleFirstAndTheColoursOnlyForTheCustomStyle) {
    MemorySettingsStore store;
    const FiveColors custom = {0x0000FF, SystemColor(2), 0x00FF00, 0xFF0000, 12345};
    ASSERT_TRUE(SaveColors(store, 4, custom));
    EXPECT_EQ(store.writes,
              (std::vector<std::string>{"Style=4", "Color1=255", "Color2=-2147483646",
                                        "Color3=65280", "Color4=16711680", "Color5=12345"}));
    store.writes.clear();
    ASSERT_TRUE(SaveColors(store, 2, DefaultColors()));
    EXPECT_EQ(store.writes, std::vector<std::string>{"Style=2"});
    EXPECT_EQ(LoadColors(store).style, 2);
    EXPECT_EQ(Texts(StoredCustomColors(store)), kCustom);
    ASSERT_TRUE(SaveColors(store, 4, StoredCustomColors(store)));
    EXPECT_EQ(Texts(LoadColors(store).colors), kCustom);
    EXPECT_EQ(store.commits, 3);
}

// Confirming the custom style untouched on a fresh store keeps style 1's look.
TEST(Saving, UntouchedCustomStyleStoresTheStyleOneColours) {
    MemorySettingsStore store;
    ASSERT_TRUE(SaveColors(store, 4, StoredCustomColors(store)));
    EXPECT_EQ(store.Committed("Style"), "4");
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(store.Committed(ColorKey(i)), kStyle1Texts[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(LoadColors(store).colors, LoadColors(MemorySettingsStore()).colors);
}

TEST(Saving, AFailedCommitIsReportedAndChangesNothing) {
    MemorySettingsStore store = StoreWith({{"Style", "2"}});
    store.refuse_commits = true;
    EXPECT_FALSE(SaveColors(store, 4, {1, 2, 3, 4, 5}));
    EXPECT_EQ(LoadColors(store).style, 2);
    EXPECT_EQ(Texts(StoredCustomColors(store)), kStyle1Texts);
}

// Every predefined style resets the dial, whatever the custom colours.
TEST(Styles, PredefinedStylesShowAPlainDial) {
    const FiveColors custom = {1, 2, 3, 4, 5};
    for (int style = 1; style <= 3; ++style) {
        const ColorSet set = StyleColorSet(style, custom);
        EXPECT_EQ(set.colors[3], 0xE0E0E0) << style;
        EXPECT_EQ(set.colors[4], 0) << style;
        EXPECT_EQ(set.colors[0], set.colors[2]) << style;
    }
    EXPECT_EQ(StyleColorSet(4, custom).colors, custom);
    EXPECT_EQ(StyleColorSet(9, custom), StyleColorSet(1, {}));
}

}  // namespace
}  // namespace tallimo
