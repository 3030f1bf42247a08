#include "gridwork/calc_file.h"

#include <algorithm>
#include <cerrno>
#include <new>
#include <optional>
#include <vector>

#include "gridwork/file_io.h"
#include "gridwork/windows1252.h"
#include "numbers/number_text.h"

namespace tallimo {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kRightDoubleQuote = "\xE2\x80\x9D";  // ”, 0x94 in Windows-1252
// A line record is at least 0,"","","","" and a line end.
constexpr std::size_t kShortestLineRecord = 15;

// What the format cannot carry inside quotes, in the form the grid keeps:
// '"' as '”', every line break as CR LF.
void AppendQuotable(std::string& out, std::string_view text) {
    // One pass over the characters: find_first_of would search the three
    // characters for each of them.
    if (std::none_of(text.begin(), text.end(),
                     [](char c) { return c == '"' || c == '\r' || c == '\n'; })) {
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

PackedFile Failure(FileError error) {
    return PackedFile{error, {}};
}

ParsedFile Unpacked(const PackedFile& packed) {
    return ParsedFile{packed.error, UnpackLines(packed.lines)};
}

// The fields of a line as a record writes them; `buffer` holds the value's
// text when the line has to make it.
struct RecordFields {
    LineKind kind;
    std::string_view operation;
    std::string_view value;
    std::string_view comment;
    std::string_view decimals;
};

RecordFields FieldsOf(const CalcLine& line, char (&/*buffer*/)[kNumberTextRoom]) {
    return {line.Kind, line.Operation, line.Value, line.Comment, line.Decimals};
}

RecordFields FieldsOf(const PackedLine& line, char (&buffer)[kNumberTextRoom]) {
    return {line.Kind(), line.Operation(), line.ValueText(buffer), line.Comment(), line.Decimals()};
}

FileError SaveBytes(const std::string& path, const std::string& bytes) {
    if (bytes.empty()) {
        return FileError::WriteFailed;
    }
    int error_number = 0;
    if (!ReplaceFileAtomically(path, bytes, &error_number)) {
        return WriteError(error_number);
    }
    return FileError::None;
}

template <typename Line>
std::string WriteRecords(std::span<const Line> lines) {
    // Most records are short: one growth or two at worst.
    constexpr std::size_t kUsualRecord = kShortestLineRecord + 24;
    std::string text;
    text.reserve(kCalculationFileHeader.size() + kCalculationFileVersion.size() + 8 +
                 lines.size() * kUsualRecord);
    AppendQuoted(text, kCalculationFileHeader);
    text += "\r\n";
    AppendQuoted(text, kCalculationFileVersion);
    text += "\r\n";
    char value[kNumberTextRoom];
    for (const Line& line : lines) {
        const RecordFields fields = FieldsOf(line, value);
        if (const int code = static_cast<int>(fields.kind); code < 10) {
            text += static_cast<char>('0' + code);
        } else {
            text += std::to_string(code);  // a kind set by hand: still its code
        }
        text += ',';
        AppendQuoted(text, fields.operation);
        text += ',';
        AppendQuoted(text, fields.value);
        text += ',';
        AppendQuoted(text, fields.comment);
        text += ',';
        AppendQuoted(text, fields.decimals);
        text += "\r\n";
    }
    std::optional<std::string> bytes = EncodeWindows1252(text, /*lenient=*/true);
    return bytes ? std::move(*bytes) : std::string();
}

}  // namespace

std::string DisplayedFileName(std::string_view path) {
    constexpr std::size_t kLongest = 60;  // characters
    while (path.size() > 1 && path.back() == '/') {
        path.remove_suffix(1);
    }
    if (const std::size_t slash = path.rfind('/'); slash != std::string_view::npos) {
        path.remove_prefix(slash + 1);
    }
    std::vector<std::size_t> starts;  // where each UTF-8 character starts
    for (std::size_t i = 0; i < path.size(); ++i) {
        if ((static_cast<unsigned char>(path[i]) & 0xC0) != 0x80) {
            starts.push_back(i);
        }
    }
    if (starts.size() <= kLongest) {
        return std::string(path);
    }
    const std::size_t head = starts[kLongest / 2];
    const std::size_t tail = starts[starts.size() - (kLongest / 2 - 1)];
    return std::string(path.substr(0, head)) + "…" + std::string(path.substr(tail));
}

std::string FileErrorMessage(FileError error, std::string_view path) {
    const std::string name = "« " + DisplayedFileName(path) + " »";
    switch (error) {
        case FileError::None:
            return {};
        case FileError::WrongFormat:
            return "Format de fichier erroné.\r\n" + name + " n'est pas un fichier de calculs.";
        case FileError::OpenFailed:
        case FileError::ReadFailed:
            return "Une erreur s'est produite lors de l'ouverture du fichier.\r\nFichier : " + name;
        case FileError::WriteFailed:
            return "Une erreur s'est produite lors de la sauvegarde.\r\nFichier : " + name;
        case FileError::NotFound:
            return "Le fichier " + name + " est introuvable.\r\nIl a peut-être été déplacé, " +
                   "renommé ou supprimé, ou son dossier n'existe plus.";
        case FileError::ReadDenied:
            return "Le fichier " + name + " ne peut pas être ouvert :\r\nvous n'avez pas " +
                   "la permission de le lire ou d'ouvrir son dossier.";
        case FileError::WriteDenied:
            return "Le fichier " + name + " ne peut pas être enregistré :\r\nvous n'avez pas " +
                   "la permission d'écrire dans son dossier, ou il est en lecture seule.";
    }
    return {};
}

FileError OpenError(int error_number) {
    switch (error_number) {
        case ENOENT:
        case ENOTDIR:
            return FileError::NotFound;
        case EACCES:
        case EPERM:
            return FileError::ReadDenied;
        default:
            return FileError::OpenFailed;
    }
}

FileError WriteError(int error_number) {
    switch (error_number) {
        case EACCES:
        case EPERM:
        case EROFS:
            return FileError::WriteDenied;
        default:
            return FileError::WriteFailed;
    }
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
    return WriteRecords(lines);
}

std::string WriteCalculationFile(std::span<const PackedLine> lines) {
    return WriteRecords(lines);
}

PackedFile ParseCalculationLines(std::string_view bytes) {
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
    std::string& operation = field;  // the fields of a record, their room reused
    std::string value;
    std::string comment;
    std::string decimals;
    if (reader.AtEnd() || !reader.Quoted(field) || !reader.RecordEnd()) {
        return Failure(FileError::ReadFailed);
    }

    PackedFile parsed;
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
        int code = 0;
        if (!reader.KindCode(code) || !reader.Comma() || !reader.Quoted(operation) ||
            !reader.Comma() || !reader.Quoted(value) || !reader.Comma() ||
            !reader.Quoted(comment) || !reader.Comma() || !reader.Quoted(decimals) ||
            !reader.RecordEnd()) {
            return Failure(FileError::ReadFailed);
        }
        parsed.lines.emplace_back(LineKindFromCode(code), operation, value, comment, decimals);
    }
    if (!parsed.lines.empty() && !IsContinuableValue(parsed.lines.back().Value())) {
        return Failure(FileError::ReadFailed);
    }
    return parsed;
}

ParsedFile ParseCalculationFile(std::string_view bytes) {
    return Unpacked(ParseCalculationLines(bytes));
}

PackedFile LoadCalculationLines(const std::string& path) {
    const FileRead read = ReadWholeFile(path);
    if (read.status != ReadStatus::Ok) {
        return Failure(read.status == ReadStatus::OpenFailed ? OpenError(read.error_number)
                                                             : FileError::ReadFailed);
    }
    try {
        return ParseCalculationLines(read.bytes);
    } catch (const std::bad_alloc&) {
        return Failure(FileError::ReadFailed);
    }
}

ParsedFile LoadCalculationFile(const std::string& path) {
    return Unpacked(LoadCalculationLines(path));
}

FileError SaveCalculationFile(const std::string& path, std::span<const CalcLine> lines) {
    return SaveBytes(path, WriteCalculationFile(lines));
}

FileError SaveCalculationFile(const std::string& path, std::span<const PackedLine> lines) {
    return SaveBytes(path, WriteCalculationFile(lines));
}

}  // namespace tallimo
