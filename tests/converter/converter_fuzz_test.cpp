// Replays the inputs kept by the fuzz target converter_fuzz through the ordinary
// build: its seeds and every input that once found a fault.
#include <gtest/gtest.h>

#include "fuzz/converter_property.h"
#include "kept_fuzz_inputs.h"

namespace tallimo {
namespace {

TEST(ConverterFuzzInputs, StillHoldTheProperties) {
    const auto inputs = testing::KeptFuzzInputs("converter");
    ASSERT_FALSE(inputs.empty());
    for (const auto& [name, bytes] : inputs) {
        EXPECT_EQ(fuzz::CheckConverterField(bytes), "") << name;
    }
}

}  // namespace
}  // namespace tallimo
