// Replays the inputs kept by the fuzz target copied_number_fuzz through the ordinary
// build: its seeds and every input that once found a fault.
#include <gtest/gtest.h>

#include "fuzz/copied_number_property.h"
#include "kept_fuzz_inputs.h"

namespace tallimo {
namespace {

TEST(CopiedNumberFuzzInputs, StillHoldTheProperties) {
    const auto inputs = testing::KeptFuzzInputs("copied_number");
    ASSERT_FALSE(inputs.empty());
    for (const auto& [name, bytes] : inputs) {
        EXPECT_EQ(fuzz::CheckCopiedNumber(bytes), "") << name;
    }
}

}  // namespace
}  // namespace tallimo
