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

TEST_F(CsvExport, EveryFieldReadsBackAsTheGridShowsIt) {
    const std::string pad = kCommentPadding;
    const std::vector<RoundTrip> cases = {
        {"first operand", {"", "3", "", "", LineKind::Operation}, {"", "3", "", ""}},
        {"decimal comma", {"+", "-0,5", "", "", LineKind::Operation}, {"'+", "-0,5", "", ""}},
        {"exponent", {"x", "1E+20", "", "", LineKind::Operation}, {"x", "1E+20", "", ""}},
        {"result",
         {"=", "0,333333333333333", "", "", LineKind::Result},
         {"'=", "0,333333333333333", "", ""}},
        {"decimals",
         {"Décimal", "3,14", "", "2", LineKind::Function},
         {"Décimal", "3,14", "2", ""}},
        {"accents",
         {"", "12", pad + "Été à Noël : œuvre ÿ € ß", "", LineKind::Operation},
         {"", "12", "", "Été à Noël : œuvre ÿ € ß"}},
        {"quotes",
         {"", "1", pad + "le \"bon\" prix", "", LineKind::Operation},
         {"", "1", "", "le \"bon\" prix"}},
        {"semicolons",
         {"", "1", pad + "loyer; charges;", "", LineKind::Operation},
         {"", "1", "", "loyer; charges;"}},
        {"lines",
         {"", "1", pad + "première\r\n\"deux\"; \r\n\r\ntrois", "", LineKind::Operation},
         {"", "1", "", "première\n\"deux\"; \n\ntrois"}},
        {"lone breaks",
         {"", "1", pad + "a\rb\nc", "", LineKind::Operation},
         {"", "1", "", "a\nb\nc"}},
        {"blank ends",
         {"", "1", pad + " \t  milieu \r\n ", "", LineKind::Operation},
         {"", "1", "", "milieu"}},
        {"only quote", {"", "1", pad + "\"", "", LineKind::Operation}, {"", "1", "", "\""}},
        {"cancellation",
         {"", kCancellationText, "", "", LineKind::Cancellation},
         {"", "Annulation", "", ""}},
        {"error", {"/", kErrorText, "", "", LineKind::Operation}, {"/", "Erreur!", "", ""}},
    };
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
