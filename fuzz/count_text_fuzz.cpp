// libFuzzer target for the date calculator's count fields: any bytes must hold
// the properties of count_text_property.h.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/count_text_property.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string failure = tallimo::fuzz::CheckCountText(bytes);
    if (!failure.empty()) {
        std::fprintf(stderr, "property broken: %s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
