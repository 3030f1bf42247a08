#include "gridwork/calc_file.h"

#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <new>
#include <optional>

#include "numbers/number_text.h"

namespace tallimo {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kRightDoubleQuote = "\xE2\x80\x9D";  // ”, 0x94 in Windows-1252
// A line record is at least 0,"","","","" and a line end.
constexpr std::size_t kShortestLineRecord = 15;

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The length of the well-formed UTF-8 sequence at the start of `text`, or 0:
// overlong forms, surrogates and code points beyond U+10FFFF are not UTF-8.
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

// Windows-1252 bytes to UTF-8, in one pass over the whole buffer. The five
// bytes that code page leaves undefined make it fail: such a file was not
// written by this program, and guessing would not read back the same.
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

// UTF-8 to Windows-1252, one character per byte. A character the code page
// lacks becomes '?'. A byte that is not UTF-8 becomes '?' too when `lenient`,
// otherwise it fails the conversion.
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

// What the format cannot carry inside quotes, in the form the grid keeps:
// '"' as '”', every line break as CR LF.
void AppendQuotable(std::string& out, std::string_view text) {
    if (text.find_first_of("\"\r\n") == std::string_view::npos) {
        out += text;
        return;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            out += kRightDoubleQuote;
        } else if (c == '\r' || c == '\n') {
            out += "\r\n";
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            out += c;
        }
    }
}

void AppendQuoted(std::string& out, std::string_view text) {
    out += '"';
    AppendQuotable(out, text);
    out += '"';
}

// Walks the decoded text of a file, one record element at a time. Every
// step returns false on anything that is not exactly what it expects.
class RecordReader {
  public:
    explicit RecordReader(std::string_view text) : text_(text) {}

    bool AtEnd() const { return pos_ == text_.size(); }
    std::size_t Position() const { return pos_; }

    // A quoted field, taken up to its closing quote, line breaks read as CR LF.
    bool Quoted(std::string& field) {
        if (pos_ >= text_.size() || text_[pos_] != '"') {
            return false;
        }
        const std::size_t close = text_.find('"', pos_ + 1);
        if (close == std::string_view::npos) {
            return false;
        }
        const std::string_view content = text_.substr(pos_ + 1, close - pos_ - 1);
        field.clear();
        AppendQuotable(field, content);
        pos_ = close + 1;
        return true;
    }

    // Unquoted decimal digits from 0 to 255, up to the comma.
    bool KindCode(int& code) {
        const std::size_t start = pos_;
        code = 0;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
            code = code * 10 + (text_[pos_] - '0');
            if (code > 255) {
                return false;
            }
            ++pos_;
        }
        return pos_ > start;
    }

    bool Comma() { return Char(','); }

    // CR LF or a lone LF, or the end of the text (no final line end).
    bool RecordEnd() {
        if (AtEnd()) {
            return true;
        }
        if (Char('\n')) {
            return true;
        }
        if (pos_ + 1 < text_.size() && text_[pos_] == '\r' && text_[pos_ + 1] == '\n') {
            pos_ += 2;
            return true;
        }
        return false;
    }

    // Empty lines that close the file; false if anything else follows them.
    bool OnlyLineEndsLeft() {
        while (!AtEnd()) {
            if (!RecordEnd()) {
                return false;
            }
        }
        return true;
    }

    bool AtLineEnd() const {
        return pos_ < text_.size() && (text_[pos_] == '\r' || text_[pos_] == '\n');
    }

  private:
    bool Char(char c) {
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

bool IsContinuableValue(std::string_view value) {
    return value == kCancellationText || value == kErrorText || TextToNumber(value).has_value();
}

ParsedFile Failure(FileError error) {
    return ParsedFile{error, {}};
}

// write(2) until everything is written.
bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The file a save replaces: the one a symbolic link names, so that the link
// survives the rename.
std::string SaveTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* resolved = ::realpath(path.c_str(), nullptr)) {
            std::string target(resolved);
            std::free(resolved);
            return target;
        }
    }
    return path;
}

// A hidden name beside the target, so that the rename stays within one file
// system and file dialogs do not offer the half-written file.
std::string TemporaryName(const std::string& target, unsigned attempt) {
    static std::atomic<unsigned> counter{0};
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    // Leave room for the suffix within the longest name a folder takes.
    name.resize(std::min<std::size_t>(name.size(), 200));
    return folder + "." + name + "." + std::to_string(::getpid()) + "-" +
           std::to_string(counter.fetch_add(1) + attempt) + ".tmp";
}

void SyncFolderOf(const std::string& target) {
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "."
                               : slash == 0               ? "/"
                                                          : target.substr(0, slash);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        // The data is safe already; this only hastens the rename to disk.
        (void)::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

std::string_view FileErrorMessage(FileError error) {
    switch (error) {
        case FileError::None:
            return {};
        case FileError::WrongFormat:
            return "Format de fichier erroné.";
        case FileError::OpenFailed:
        case FileError::ReadFailed:
            return "Une erreur s'est produite lors de l'ouverture du fichier.";
        case FileError::WriteFailed:
            return "Une erreur s'est produite lors de la sauvegarde.";
    }
    return {};
}

std::string StorableText(std::string_view text) {
    std::string quotable;
    quotable.reserve(text.size());
    AppendQuotable(quotable, text);
    const std::optional<std::string> bytes = EncodeWindows1252(quotable, /*lenient=*/true);
    if (!bytes) {
        return std::string(text.size(), '?');  // no converter: nothing safe to keep
    }
    std::optional<std::string> storable = DecodeWindows1252(*bytes);
    return storable ? *storable : std::string(bytes->size(), '?');
}

std::string StorableComment(std::string_view typed) {
    std::string comment = StorableText(typed);
    for (char& c : comment) {
        const unsigned char u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\r' && c != '\n') || u == 0x7F) {
            c = ' ';
        }
    }
    return comment;
}

std::string WriteCalculationFile(std::span<const CalcLine> lines) {
    std::size_t size = kCalculationFileHeader.size() + kCalculationFileVersion.size() + 8;
    for (const CalcLine& line : lines) {
        size += kShortestLineRecord + 3 + line.Operation.size() + line.Value.size() +
                line.Comment.size() + line.Decimals.size();
    }
    std::string text;
    text.reserve(size);
    AppendQuoted(text, kCalculationFileHeader);
    text += "\r\n";
    AppendQuoted(text, kCalculationFileVersion);
    text += "\r\n";
    for (const CalcLine& line : lines) {
        text += std::to_string(static_cast<int>(line.Kind));
        text += ',';
        AppendQuoted(text, line.Operation);
        text += ',';
        AppendQuoted(text, line.Value);
        text += ',';
        AppendQuoted(text, line.Comment);
        text += ',';
        AppendQuoted(text, line.Decimals);
        text += "\r\n";
    }
    std::optional<std::string> bytes = EncodeWindows1252(text, /*lenient=*/true);
    return bytes ? std::move(*bytes) : std::string();
}

ParsedFile ParseCalculationFile(std::string_view bytes) {
    // The header is ASCII, the same bytes in either encoding: a file that
    // does not start with it is not ours, whatever else it holds.
    const bool utf8 = bytes.starts_with(kUtf8ByteOrderMark);
    if (utf8) {
        bytes.remove_prefix(kUtf8ByteOrderMark.size());
    }
    RecordReader head(bytes);
    std::string field;
    if (!head.Quoted(field) || field != kCalculationFileHeader || !head.RecordEnd()) {
        return Failure(FileError::WrongFormat);
    }
    bytes.remove_prefix(head.Position());

    std::optional<std::string> decoded;
    if (utf8) {
        // Re-saved by an editor as UTF-8. Bringing it down to Windows-1252
        // first keeps in memory only what a save can write back.
        if (const std::optional<std::string> narrowed =
                EncodeWindows1252(bytes, /*lenient=*/false)) {
            decoded = DecodeWindows1252(*narrowed);
        }
    } else {
        decoded = DecodeWindows1252(bytes);
    }
    if (!decoded) {
        return Failure(FileError::ReadFailed);
    }

    RecordReader reader(*decoded);
    if (reader.AtEnd() || !reader.Quoted(field) || !reader.RecordEnd()) {
        return Failure(FileError::ReadFailed);
    }

    ParsedFile parsed;
    // Reserved one beyond the records, so that the grid's open row fits
    // without moving every line when the caller hands the vector over.
    const std::size_t line_ends =
        static_cast<std::size_t>(std::count(decoded->begin(), decoded->end(), '\n'));
    parsed.lines.reserve(std::min(line_ends, decoded->size() / kShortestLineRecord) + 2);
    while (!reader.AtEnd()) {
        if (reader.AtLineEnd()) {
            if (!reader.OnlyLineEndsLeft()) {
                return Failure(FileError::ReadFailed);
            }
            break;
        }
        CalcLine& line = parsed.lines.emplace_back();
        int code = 0;
        if (!reader.KindCode(code) || !reader.Comma() || !reader.Quoted(line.Operation) ||
            !reader.Comma() || !reader.Quoted(line.Value) || !reader.Comma() ||
            !reader.Quoted(line.Comment) || !reader.Comma() || !reader.Quoted(line.Decimals) ||
            !reader.RecordEnd()) {
            return Failure(FileError::ReadFailed);
        }
        line.Kind = LineKindFromCode(code);
    }
    if (!parsed.lines.empty() && !IsContinuableValue(parsed.lines.back().Value)) {
        return Failure(FileError::ReadFailed);
    }
    return parsed;
}

ParsedFile LoadCalculationFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return Failure(FileError::OpenFailed);
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return Failure(FileError::OpenFailed);
    }
    std::string bytes;
    bool read_all = true;
    try {
        // The size is a hint only: the file may change while it is read.
        bytes.resize(static_cast<std::size_t>(st.st_size) + 1);
        std::size_t used = 0;
        for (;;) {
            if (used == bytes.size()) {
                bytes.resize(bytes.size() * 2);
            }
            const ssize_t got = ::read(fd, bytes.data() + used, bytes.size() - used);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got <= 0) {
                read_all = got == 0;
                break;
            }
            used += static_cast<std::size_t>(got);
        }
        bytes.resize(used);
    } catch (const std::bad_alloc&) {
        read_all = false;  // a file far beyond any grid
    }
    ::close(fd);
    if (!read_all) {
        return Failure(FileError::ReadFailed);
    }
    try {
        return ParseCalculationFile(bytes);
    } catch (const std::bad_alloc&) {
        return Failure(FileError::ReadFailed);
    }
}

FileError SaveCalculationFile(const std::string& path, std::span<const CalcLine> lines) {
    const std::string bytes = WriteCalculationFile(lines);
    if (bytes.empty() || path.empty()) {
        return FileError::WriteFailed;
    }
    const std::string target = SaveTarget(path);

    std::string temporary;
    int fd = -1;
    for (unsigned attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = TemporaryName(target, attempt);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            return FileError::WriteFailed;
        }
    }
    if (fd < 0) {
        return FileError::WriteFailed;
    }

    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        // Not worth failing the save over: the content is what matters.
        (void)::fchmod(fd, old.st_mode & 07777);
    }
    const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return FileError::WriteFailed;
    }
    SyncFolderOf(target);
    return FileError::None;
}

}  // namespace tallimo
