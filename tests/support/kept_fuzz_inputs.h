// The inputs a fuzz target keeps: its seeds (fuzz/corpus/<target>/) and every
// input that once found a fault (fuzz/regressions/<target>/), read whole.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tallimo::testing {

inline std::vector<std::pair<std::string, std::string>> KeptFuzzInputs(std::string_view target) {
    namespace fs = std::filesystem;
    std::vector<std::pair<std::string, std::string>> inputs;  // name, bytes
    for (const char* folder : {"fuzz/corpus", "fuzz/regressions"}) {
        const fs::path path = fs::path(TALLIMO_SOURCE_DIR) / folder / target;
        if (!fs::is_directory(path)) {
            continue;
        }
        for (const fs::directory_entry& entry : fs::directory_iterator(path)) {
            if (entry.is_regular_file() && entry.path().filename() != "README") {
                std::ifstream in(entry.path(), std::ios::binary);
                inputs.emplace_back(entry.path().string(),
                                    std::string{std::istreambuf_iterator<char>(in), {}});
            }
        }
    }
    return inputs;
}

}  // namespace tallimo::testing
