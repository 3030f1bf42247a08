// libFuzzer target for the converter's fields: any bytes must hold
// the properties of converter_property.h.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/converter_property.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string failure = tallimo::fuzz::CheckConverterField(bytes);
    if (!failure.empty()) {
        std::fprintf(stderr, "property broken: %s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
