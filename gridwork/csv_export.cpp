#include "gridwork/csv_export.h"

#include <string_view>

#include "gridwork/file_io.h"

namespace tallimo {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kHeader = "Opération;Valeur;Décimales;Commentaire";
constexpr std::string_view kRowEnd = "\r\n";

// A text that a spreadsheet could take for a formula: it starts with one of
// the characters that open a formula (=, + and - for arithmetic, @ for
// Excel's functions) or with a blank some spreadsheets skip before looking.
bool OpensFormula(std::string_view text) {
    return !text.empty() &&
           std::string_view("=+-@\t\r\n").find(text.front()) != std::string_view::npos;
}

// The number texts of the grid, as a spreadsheet reads them with the decimal
// comma: an optional minus, digits with at most one comma, and an optional
// exponent "E+n" or "E-n". Nothing else passes as a number.
bool IsNumberText(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') {
        ++i;
    }
    const auto digits = [&] {
        const std::size_t from = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            ++i;
        }
        return i - from;
    };
    std::size_t count = digits();
    if (i < text.size() && text[i] == ',') {
        ++i;
        count += digits();
    }
    if (count == 0) {
        return false;
    }
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
            ++i;
        }
        if (digits() == 0) {
            return false;
        }
    }
    return i == text.size();
}

void AppendQuoted(std::string& out, std::string_view text) {
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

// A text cell: one that could open a formula gets the leading apostrophe
// spreadsheets take for "this is text" (the usual defence against formula
// injection), so that a comment from a received file is never run.
void AppendText(std::string& out, std::string_view text) {
    if (OpensFormula(text)) {
        AppendQuoted(out, "'" + std::string(text));
    } else {
        AppendQuoted(out, text);
    }
}

// Valeur and Décimales: a number stays a number, anything else ("Annulation",
// "Erreur!", or whatever a received file holds) is a text cell.
void AppendNumberOrText(std::string& out, std::string_view text) {
    if (IsNumberText(text)) {
        out += text;
    } else {
        AppendText(out, text);
    }
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
        AppendText(out, line.Operation);
        out += ';';
        AppendNumberOrText(out, line.Value);
        out += ';';
        AppendNumberOrText(out, line.Decimals);
        out += ';';
        AppendText(out, line.CommentText());
        out += kRowEnd;
    }
    return out;
}

FileError ExportCsv(const std::string& path, std::span<const CalcLine> lines) {
    int error_number = 0;
    if (!ReplaceFileAtomically(path, GridToCsv(lines), &error_number)) {
        return WriteError(error_number);
    }
    return FileError::None;
}

}  // namespace tallimo
