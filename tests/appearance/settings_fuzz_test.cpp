// Replays the inputs kept by the fuzz target settings_fuzz through the ordinary
// build: its seeds and every input that once found a fault.
#include <gtest/gtest.h>

#include "fuzz/settings_property.h"
#include "kept_fuzz_inputs.h"

namespace tallimo {
namespace {

TEST(SettingsFuzzInputs, StillHoldTheProperties) {
    const auto inputs = testing::KeptFuzzInputs("settings");
    ASSERT_FALSE(inputs.empty());
    for (const auto& [name, bytes] : inputs) {
        EXPECT_EQ(fuzz::CheckSettingsValues(bytes), "") << name;
    }
}

}  // namespace
}  // namespace tallimo
