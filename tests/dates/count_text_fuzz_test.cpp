// Replays the inputs kept by the fuzz target count_text_fuzz through the ordinary
// build: its seeds and every input that once found a fault.
#include <gtest/gtest.h>

#include "fuzz/count_text_property.h"
#include "kept_fuzz_inputs.h"

namespace tallimo {
namespace {

TEST(CountTextFuzzInputs, StillHoldTheProperties) {
    const auto inputs = testing::KeptFuzzInputs("count_text");
    ASSERT_FALSE(inputs.empty());
    for (const auto& [name, bytes] : inputs) {
        EXPECT_EQ(fuzz::CheckCountText(bytes), "") << name;
    }
}

}  // namespace
}  // namespace tallimo
