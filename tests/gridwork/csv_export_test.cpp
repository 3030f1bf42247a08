// The CSV export, read back by Python's csv module as a spreadsheet user's
// script would read it.
#include "gridwork/csv_export.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "gridwork/file_io.h"

#ifndef TALLIMO_PYTHON3
#define TALLIMO_PYTHON3 "python3"
#endif

namespace tallimo {
namespace {

namespace fs = std::filesystem;
using Rows = std::vector<std::vector<std::string>>;

const std::vector<std::string> kHeader = {"Opération", "Valeur", "Décimales", "Commentaire"};

std::string FromHex(const std::string& hex) {
    if (hex == "-") {
        return {};
    }
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    }
    return bytes;
}

class CsvExport : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "tallimo-csv-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Exports the lines and has Python read them back, field by field.
    Rows ExportAndRead(const std::vector<CalcLine>& lines) {
        const std::string path = (folder_ / "grille.csv").string();
        EXPECT_EQ(ExportCsv(path, lines), FileError::None);
        const std::string command = std::string(TALLIMO_PYTHON3) +
                                    " '" TALLIMO_SOURCE_DIR "/tests/gridwork/read_csv.py' '" +
                                    path + "'";
        FILE* pipe = ::popen(command.c_str(), "r");
        EXPECT_NE(pipe, nullptr);
        if (pipe == nullptr) {
            return {};
        }
        std::string output;
        char buffer[4096];
        while (std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe)) {
            output.append(buffer, got);
        }
        EXPECT_EQ(::pclose(pipe), 0) << "the csv module could not read " << path;
        Rows rows;
        std::istringstream text(output);
        for (std::string line; std::getline(text, line);) {
            std::vector<std::string>& row = rows.emplace_back();
            std::istringstream fields(line);
            for (std::string hex; fields >> hex;) {
                row.push_back(FromHex(hex));
            }
        }
        return rows;
    }

    fs::path folder_;
};

struct RoundTrip {
    const char* name;
    CalcLine line;
    std::vector<std::string> row;  // as a spreadsheet reads it
};

// A line of value 1 with this comment typed, and the comment read back.
RoundTrip Commented(const char* name, const std::string& typed, const char* read) {
    return {name, {"", "1", kCommentPadding + typed, "", LineKind::Operation}, {"", "1", "", read}};
}

TEST_F(CsvExport, EveryFieldReadsBackAsTheGridShowsIt) {
    constexpr LineKind kOp = LineKind::Operation;
    // clang-format off
    const std::vector<RoundTrip> cases = {
        {"first operand", {"", "3", "", "", kOp}, {"", "3", "", ""}},
        {"decimal comma", {"+", "-0,5", "", "", kOp}, {"'+", "-0,5", "", ""}},
        {"exponent", {"x", "1E+20", "", "", kOp}, {"x", "1E+20", "", ""}},
        {"result",
         {"=", "0,333333333333333", "", "", LineKind::Result},
         {"'=", "0,333333333333333", "", ""}},
        {"decimals",
         {"Décimal", "3,14", "", "2", LineKind::Function},
         {"Décimal", "3,14", "2", ""}},
        {"cancellation", {"", kCancellationText, "", "", LineKind::Cancellation},
         {"", "Annulation", "", ""}},
        {"error", {"/", kErrorText, "", "", kOp}, {"/", "Erreur!", "", ""}},
        Commented("accents", "Été à Noël : œuvre ÿ € ß", "Été à Noël : œuvre ÿ € ß"),
        Commented("quotes", "le \"bon\" prix", "le \"bon\" prix"),
        Commented("semicolons", "loyer; charges;", "loyer; charges;"),
        Commented("lines", "première\r\n\"deux\"; \r\n\r\ntrois", "première\n\"deux\"; \n\ntrois"),
        Commented("lone breaks", "a\rb\nc", "a\nb\nc"),
        Commented("blank ends", " \t  milieu \r\n ", "milieu"),
        Commented("only quote", "\"", "\""),
    };
    // clang-format on
    std::vector<CalcLine> lines;
    for (const RoundTrip& c : cases) {
        lines.push_back(c.line);
    }
    const Rows rows = ExportAndRead(lines);
    ASSERT_EQ(rows.size(), cases.size() + 1);
    EXPECT_EQ(rows[0], kHeader);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(rows[i + 1], cases[i].row) << cases[i].name;
    }
}

// A received file can put anything in any field: whatever a spreadsheet would
// run as a formula comes back behind an apostrophe, and numbers stay numbers.
TEST_F(CsvExport, NoTextCellOpensAFormula) {
    const std::string pad = kCommentPadding;
    const auto comment = [&](std::string text) {
        return CalcLine{"", "1", pad + text, "", LineKind::Operation};
    };
    const std::vector<RoundTrip> cases = {
        {"hyperlink",
         comment("=HYPERLINK(\"https://exemple.fr\";\"Cliquez\")"),
         {"", "1", "", "'=HYPERLINK(\"https://exemple.fr\";\"Cliquez\")"}},
        {"plus", comment("+1+cmd|' /C calc'!A0"), {"", "1", "", "'+1+cmd|' /C calc'!A0"}},
        {"minus", comment("-2+3"), {"", "1", "", "'-2+3"}},
        {"at", comment("@SOMME(A1:A9)"), {"", "1", "", "'@SOMME(A1:A9)"}},
        {"blank before", comment("\t\r\n=1+1"), {"", "1", "", "'=1+1"}},
        {"formula later", comment("total = 3"), {"", "1", "", "total = 3"}},
        {"operations", {"-", "2", "", "", LineKind::Operation}, {"'-", "2", "", ""}},
        {"numbers",
         {"x", "-1,07150860718627E+301", "", "12", LineKind::Operation},
         {"x", "-1,07150860718627E+301", "12", ""}},
        {"small exponent", {"/", "-1E-20", "", "", LineKind::Operation}, {"/", "-1E-20", "", ""}},
        {"value formula", {"", "=1+1", "", "@A1", LineKind::Operation}, {"", "'=1+1", "'@A1", ""}},
        {"value signs", {"", "-", "", "+2", LineKind::Operation}, {"", "'-", "'+2", ""}},
        {"value tab", {"", "\t3", "", "", LineKind::Operation}, {"", "'\t3", "", ""}},
    };
    std::vector<CalcLine> lines;
    for (const RoundTrip& c : cases) {
        lines.push_back(c.line);
    }
    const Rows rows = ExportAndRead(lines);
    ASSERT_EQ(rows.size(), cases.size() + 1);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(rows[i + 1], cases[i].row) << cases[i].name;
    }
}

TEST_F(CsvExport, AnEmptyGridIsTheHeaderAlone) {
    EXPECT_EQ(ExportAndRead({}), Rows{kHeader});
}

// What spreadsheets rely on beyond what the csv module checks.
TEST(CsvText, StartsWithTheMarkAndEndsEveryRowWithCrLf) {
    const std::vector<CalcLine> lines = {{"", "3", "          a\r\nb", "", LineKind::Operation},
                                         {"=", "3", "", "", LineKind::Result}};
    const std::string csv = GridToCsv(lines);
    ASSERT_TRUE(csv.starts_with("\xEF\xBB\xBF"));
    EXPECT_EQ(csv.substr(3),
              "Opération;Valeur;Décimales;Commentaire\r\n;3;;\"a\nb\"\r\n'=;3;;\r\n");
}

TEST_F(CsvExport, AFailedExportLeavesWhatWasThereAndNoTemporary) {
    // A folder where the file should go: the rename over it fails.
    const fs::path path = folder_ / "grille.csv";
    fs::create_directory(path);
    EXPECT_EQ(
        ExportCsv(path.string(), std::vector<CalcLine>{{"", "1", "", "", LineKind::Operation}}),
        FileError::WriteFailed);
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
    EXPECT_EQ(ExportCsv((folder_ / "absent" / "grille.csv").string(), {}), FileError::WriteFailed);
}

}  // namespace
}  // namespace tallimo
