// libFuzzer target for the copied-number reader ("Coller" and the edit panel): any bytes must hold
// the properties of copied_number_property.h.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/copied_number_property.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string failure = tallimo::fuzz::CheckCopiedNumber(bytes);
    if (!failure.empty()) {
        std::fprintf(stderr, "property broken: %s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
