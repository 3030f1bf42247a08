#include "gridwork/windows1252.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace tallimo {

namespace {

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

class Iconv {
  public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Iconv() {
        if (Ok()) {
            iconv_close(cd_);
        }
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    bool Ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much as it can; `in` and `out` move past what was done.
    // Returns 0, or the errno that stopped it.
    int Convert(std::string_view& in, char*& out, std::size_t& out_left) {
        char* in_ptr = const_cast<char*>(in.data());  // iconv's signature; never written
        std::size_t in_left = in.size();
        const std::size_t result = iconv(cd_, &in_ptr, &in_left, &out, &out_left);
        const int error = result == static_cast<std::size_t>(-1) ? errno : 0;
        in.remove_prefix(in.size() - in_left);
        return error;
    }

  private:
    iconv_t cd_;
};

}  // namespace

std::size_t Utf8SequenceLength(std::string_view text) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length) {
        return 0;
    }
    if (byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) {
            return 0;
        }
    }
    return length;
}

std::optional<std::string> DecodeWindows1252(std::string_view bytes) {
    if (IsAscii(bytes)) {
        return std::string(bytes);
    }
    Iconv cd("UTF-8", "WINDOWS-1252");
    if (!cd.Ok()) {
        return std::nullopt;
    }
    // No Windows-1252 character takes more than three UTF-8 bytes.
    std::string text(bytes.size() * 3, '\0');
    char* out = text.data();
    std::size_t out_left = text.size();
    if (cd.Convert(bytes, out, out_left) != 0) {
        return std::nullopt;
    }
    text.resize(text.size() - out_left);
    return text;
}

std::optional<std::string> EncodeWindows1252(std::string_view text, bool lenient) {
    if (IsAscii(text)) {
        return std::string(text);
    }
    Iconv cd("WINDOWS-1252", "UTF-8");
    if (!cd.Ok()) {
        return std::nullopt;
    }
    // Never longer than the UTF-8, even with every '?' put in.
    std::string bytes(text.size(), '\0');
    char* out = bytes.data();
    std::size_t out_left = bytes.size();
    while (!text.empty()) {
        const int error = cd.Convert(text, out, out_left);
        if (error == 0) {
            break;
        }
        if (error != EILSEQ && error != EINVAL) {
            return std::nullopt;
        }
        // Stopped at a character: skip it whole when it is UTF-8 (which the
        // code page cannot hold), else one stray byte.
        const std::size_t length = Utf8SequenceLength(text);
        if (length == 0 && !lenient) {
            return std::nullopt;
        }
        *out++ = '?';
        --out_left;
        text.remove_prefix(std::max<std::size_t>(length, 1));
    }
    bytes.resize(bytes.size() - out_left);
    return bytes;
}

}  // namespace tallimo
