// The Windows-1252 code page of the calculation file, converted from and to
// the UTF-8 that the program works in, by the system's iconv.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tallimo {

// The length of the well-formed UTF-8 sequence at the start of `text`, or 0:
// overlong forms, surrogates and code points beyond U+10FFFF are not UTF-8.
std::size_t Utf8SequenceLength(std::string_view text);

// Windows-1252 bytes to UTF-8, in one pass over the whole buffer. The five
// bytes that code page leaves undefined make it fail: such a file was not
// written by this program, and guessing would not read back the same.
// Nothing, too, when the system has no converter for the code page.
std::optional<std::string> DecodeWindows1252(std::string_view bytes);

// UTF-8 to Windows-1252, one character per byte. A character the code page
// lacks becomes '?'. A byte that is not UTF-8 becomes '?' too when `lenient`,
// otherwise it fails the conversion.
std::optional<std::string> EncodeWindows1252(std::string_view text, bool lenient);

}  // namespace tallimo
