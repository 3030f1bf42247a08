// Replays the inputs kept by the fuzz target through the ordinary build: the
// seed corpus and every input that once found a fault.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/calc_file_property.h"

namespace tallimo {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> KeptInputs() {
    std::vector<fs::path> files;
    for (const char* folder : {"fuzz/corpus", "fuzz/regressions"}) {
        const fs::path path = fs::path(TALLIMO_SOURCE_DIR) / folder;
        if (!fs::is_directory(path)) {
            continue;
        }
        for (const fs::directory_entry& entry : fs::directory_iterator(path)) {
            if (entry.is_regular_file() && entry.path().filename() != "README") {
                files.push_back(entry.path());
            }
        }
    }
    return files;
}

TEST(CalcFileFuzzInputs, StillHoldTheProperties) {
    const std::vector<fs::path> files = KeptInputs();
    ASSERT_FALSE(files.empty());
    for (const fs::path& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        EXPECT_EQ(fuzz::CheckCalculationFile(bytes), "") << file;
    }
}

// The seeds are there to start the fuzzer from sound files.
TEST(CalcFileFuzzInputs, SeedsAreCalculationFiles) {
    const fs::path folder = fs::path(TALLIMO_SOURCE_DIR) / "fuzz/corpus";
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        if (!entry.is_regular_file()) {
            continue;  // the seeds of the other readers' targets
        }
        EXPECT_EQ(LoadCalculationFile(entry.path().string()).error, FileError::None)
            << entry.path();
    }
}

}  // namespace
}  // namespace tallimo
