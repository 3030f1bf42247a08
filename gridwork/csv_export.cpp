#include "gridwork/csv_export.h"

#include <string_view>

#include "gridwork/file_io.h"

namespace tallimo {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kHeader = "Opération;Valeur;Décimales;Commentaire";
constexpr std::string_view kRowEnd = "\r\n";

void AppendField(std::string& out, std::string_view text) {
    if (text.find_first_of(";\"\r\n") == std::string_view::npos) {
        out += text;
        return;
    }
    out += '"';
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            out += "\"\"";
        } else if (c == '\r') {
            // CR LF and a lone CR alike become the in-cell LF.
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            out += c;
        }
    }
    out += '"';
}

}  // namespace

std::string GridToCsv(std::span<const CalcLine> lines) {
    std::size_t size = kByteOrderMark.size() + kHeader.size() + kRowEnd.size();
    for (const CalcLine& line : lines) {
        size += line.Operation.size() + line.Value.size() + line.Decimals.size() +
                line.Comment.size() + 8;
    }
    std::string out;
    out.reserve(size);
    out += kByteOrderMark;
    out += kHeader;
    out += kRowEnd;
    for (const CalcLine& line : lines) {
        AppendField(out, line.Operation);
        out += ';';
        AppendField(out, line.Value);
        out += ';';
        AppendField(out, line.Decimals);
        out += ';';
        AppendField(out, line.CommentText());
        out += kRowEnd;
    }
    return out;
}

bool ExportCsv(const std::string& path, std::span<const CalcLine> lines) {
    return ReplaceFileAtomically(path, GridToCsv(lines));
}

}  // namespace tallimo
