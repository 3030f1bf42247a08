#include "gridwork/calc_file.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace tallimo {

// Field by field, control characters escaped, for failure messages.
static void PrintTo(const CalcLine& line, std::ostream* out) {
    *out << static_cast<int>(line.Kind);
    for (const std::string* field : {&line.Operation, &line.Value, &line.Comment, &line.Decimals}) {
        *out << ' ' << ::testing::PrintToString(*field);
    }
}

namespace {

using namespace std::string_literals;

const std::string kHead = "\"Kestrone Application Virelle\"\r\n\"1.5.0\"\r\n";
const std::string kRecord = "0,\"\",\"3\",\"\",\"\"\r\n";
constexpr LineKind kFunction = LineKind::Function;

CalcLine Line(std::string op, std::string value, LineKind kind = LineKind::Operation,
              std::string comment = "", std::string decimals = "") {
    return {std::move(op), std::move(value), std::move(comment), std::move(decimals), kind};
}

// A file of one line whose comment field holds these bytes.
std::string WithComment(const std::string& bytes) {
    return kHead + "0,\"\",\"3\",\"" + bytes + "\",\"\"\r\n";
}

const std::vector<CalcLine> kThreeLines = {Line("", "3"), Line("+", "4"),
                                           Line("=", "7", LineKind::Result, "          total")};
// clang-format off
const std::string kThreeRecords =
    "0,\"\",\"3\",\"\",\"\"\r\n0,\"+\",\"4\",\"\",\"\"\r\n"
    "2,\"=\",\"7\",\"          total\",\"\"\r\n";
// clang-format on

TEST(CalcFile, WrittenByteForByte) {
    EXPECT_EQ(WriteCalculationFile(kThreeLines), kHead + kThreeRecords);
    // Windows-1252, one byte a character; what it cannot hold is replaced.
    const std::vector<CalcLine> lines = {
        Line("RCarrée", "1,4142135623731", kFunction), Line("Décimal", "1,41", kFunction, "", "2"),
        Line("", "Annulation", LineKind::Cancellation),
        Line("", "5", LineKind::Operation, "          prix 5 € “net”\r\nsuite"),
        Line("", "5", LineKind::Operation, "a\"b\nc Ω d")};
    // clang-format off
    EXPECT_EQ(WriteCalculationFile(lines), kHead +
        "1,\"RCarr\xE9" "e\",\"1,4142135623731\",\"\",\"\"\r\n"
        "1,\"D\xE9" "cimal\",\"1,41\",\"\",\"2\"\r\n"
        "3,\"\",\"Annulation\",\"\",\"\"\r\n"
        "0,\"\",\"5\",\"          prix 5 \x80 \x93net\x94\r\nsuite\",\"\"\r\n"
        "0,\"\",\"5\",\"a\x94" "b\r\nc ? d\",\"\"\r\n");
    // clang-format on
}

TEST(CalcFile, WrittenLinesReadBackTheSame) {
    const std::vector<CalcLine> files[] = {
        {},
        {Line("", "-1,5E+20", LineKind::Operation, "          départ\r\n\r\nÉté, œuvre, €"),
         Line("x", "3", LineKind::Operation, "          trois, ”pas” quatre"),
         Line("=", "37,5", LineKind::Result, "          sous-total\ta\x01"),
         Line("Carré", "1406,25", kFunction, "          au carré"),
         Line("Décimal", "1,414", kFunction, "", "3"), Line("Arrond", "1,41", kFunction, "", "2"),
         Line("Euros", "0,214955246152966", kFunction),
         Line("", "Erreur!", LineKind::Cancellation, "          annulé")},
        {Line("", "1E-05", LineKind::Result), Line("", "Annulation", LineKind::Cancellation)}};
    for (const std::vector<CalcLine>& lines : files) {
        const ParsedFile read = ParseCalculationFile(WriteCalculationFile(lines));
        EXPECT_EQ(read.error, FileError::None);
        EXPECT_EQ(read.lines, lines);
    }
}

// A field the format cannot carry is written the way StorableText shows it,
// so what the user was shown is what comes back.
TEST(CalcFile, WritingStoresWhatStorableTextShows) {
    for (const std::string text : {"un \"mot\"", "a\rb\nc\r\nd", "Ω≈ç", "\xFF\xC3", ""}) {
        const std::string shown = StorableText(text);
        const ParsedFile read = ParseCalculationFile(
            WriteCalculationFile(std::vector{Line(text, "1", kFunction, text, text)}));
        ASSERT_EQ(read.error, FileError::None) << text;
        EXPECT_EQ(read.lines, std::vector{Line(shown, "1", kFunction, shown, shown)}) << text;
    }
}

struct ParseCase {
    const char* name;
    std::string bytes;
    FileError error;
    std::vector<CalcLine> lines = {};
};
void PrintTo(const ParseCase& c, std::ostream* out) {
    *out << c.name;
}

class ParsedFileTable : public ::testing::TestWithParam<ParseCase> {};

// A refused file gives no line at all.
TEST_P(ParsedFileTable, GivesTheseLinesOrThisError) {
    const ParsedFile read = ParseCalculationFile(GetParam().bytes);
    EXPECT_EQ(read.error, GetParam().error);
    EXPECT_EQ(read.lines, GetParam().lines);
}

const auto kCaseName = [](const auto& info) { return std::string(info.param.name); };
constexpr FileError kNone = FileError::None;
constexpr FileError kWrong = FileError::WrongFormat;
constexpr FileError kRead = FileError::ReadFailed;
const std::string kHeader = "\"Kestrone Application Virelle\"";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Accepted, ParsedFileTable, ::testing::Values(
    ParseCase{"LineFeedsOnly", kHeader + "\n\"1.5.0\"\n0,\"\",\"3\",\"\",\"\"\n"
              "0,\"+\",\"4\",\"\",\"\"\n2,\"=\",\"7\",\"          total\",\"\"\n",
              kNone, kThreeLines},
    ParseCase{"NoFinalLineEnd", kHead + kThreeRecords.substr(0, kThreeRecords.size() - 2), kNone,
              kThreeLines},
    ParseCase{"EmptyLinesAtTheEnd", kHead + kThreeRecords + "\r\n\n\r\n", kNone, kThreeLines},
    ParseCase{"Utf8WithByteOrderMark", "\xEF\xBB\xBF" + kHead + "0,\"\",\"2\",\"\",\"\"\r\n"
              "1,\"Décimal\",\"2\",\"          € Ω\",\"0\"\r\n", kNone,
              {Line("", "2"), Line("Décimal", "2", kFunction, "          € ?", "0")}},
    ParseCase{"AnyVersionAnyTextInQuotes", kHeader + "\r\n\"2.0 bêta\"\r\n"
              "0,\" x, y \",\"12,5\",\"          a,b\",\" 2\"\r\n", kNone,
              {Line(" x, y ", "12,5", LineKind::Operation, "          a,b", " 2")}},
    ParseCase{"EmptyVersionNoLineNoFinalLineEnd", kHeader + "\r\n\"\"", kNone},
    ParseCase{"UnknownKindsAreOperationLines", kHead + "4,\"\",\"1\",\"\",\"\"\r\n"
              "255,\"\",\"2\",\"\",\"\"\r\n003,\"\",\"3\",\"\",\"\"\r\n", kNone,
              {Line("", "1"), Line("", "2"), Line("", "3", LineKind::Cancellation)}},
    ParseCase{"LineBreaksInsideQuotesReadAsCrLf", WithComment("a\nb\rc\r\nd"), kNone,
              {Line("", "3", LineKind::Operation, "a\r\nb\r\nc\r\nd")}},
    ParseCase{"Windows1252DecodedOnlyTheLastValueANumber",
              kHead + "0,\"\",\"n'importe\",\"\",\"\"\r\n"
                      "1,\"Carr\xE9\",\"4\",\"\x80\x93\x94\x9C\xFF\",\"\"\r\n",
              kNone, {Line("", "n'importe"), Line("Carré", "4", kFunction, "€“”œÿ")}}),
    kCaseName);

INSTANTIATE_TEST_SUITE_P(Refused, ParsedFileTable, ::testing::Values(
    ParseCase{"EmptyFile", "", kWrong},
    ParseCase{"HeaderInOtherCase", "\"kestrone application virelle\"\r\n\"1.5.0\"\r\n" + kRecord,
              kWrong},
    ParseCase{"HeaderUnquoted", "Kestrone Application Virelle\r\n\"1.5.0\"\r\n" + kRecord, kWrong},
    ParseCase{"HeaderWithMore", kHeader + ",\"1.5.0\"\r\n" + kRecord, kWrong},
    ParseCase{"HeaderUnterminated", "\"Kestrone Application Virelle", kWrong},
    ParseCase{"HeaderOnly", kHeader + "\r\n", kRead},
    ParseCase{"VersionUnquoted", kHeader + "\r\n1.5.0\r\n" + kRecord, kRead},
    ParseCase{"GarbageAfterVersion", kHeader + "\r\n\"1.5.0\" \r\n", kRead},
    ParseCase{"KindMissing", kHead + ",\"\",\"3\",\"\",\"\"\r\n", kRead},
    ParseCase{"KindTooLarge", kHead + "256,\"\",\"3\",\"\",\"\"\r\n", kRead},
    ParseCase{"KindNegative", kHead + "-1,\"\",\"3\",\"\",\"\"\r\n", kRead},
    ParseCase{"KindQuoted", kHead + "\"0\",\"\",\"3\",\"\",\"\"\r\n", kRead},
    ParseCase{"NulInTheKind", kHead + "0\0,\"\",\"3\",\"\",\"\"\r\n"s, kRead},
    ParseCase{"FieldMissing", kHead + "0,\"\",\"3\",\"\"\r\n", kRead},
    ParseCase{"FieldTooMany", kHead + "0,\"\",\"3\",\"\",\"\",\"\"\r\n", kRead},
    ParseCase{"FieldUnquoted", kHead + "0,,\"3\",\"\",\"\"\r\n", kRead},
    ParseCase{"GarbageAfterRecord", kHead + "0,\"\",\"3\",\"\",\"\"x\r\n", kRead},
    ParseCase{"EmptyLineBetweenRecords", kHead + kRecord + "\r\n" + kRecord, kRead},
    ParseCase{"CarriageReturnAlone", kHead + "0,\"\",\"3\",\"\",\"\"\r", kRead},
    ParseCase{"LastValueNotANumber", kHead + kRecord + "0,\"+\",\"quatre\",\"\",\"\"\r\n", kRead},
    ParseCase{"LastValueWithDecimalPoint", kHead + "0,\"\",\"12.5\",\"\",\"\"\r\n", kRead},
    ParseCase{"Undefined81", WithComment("\x81"), kRead},
    ParseCase{"Undefined8D", WithComment("\x8D"), kRead},
    ParseCase{"Undefined8F", WithComment("\x8F"), kRead},
    ParseCase{"Undefined90", WithComment("\x90"), kRead},
    ParseCase{"Undefined9D", WithComment("\x9D"), kRead},
    ParseCase{"ByteOrderMarkThenNotUtf8", "\xEF\xBB\xBF" + WithComment("\xE9t\xE9"), kRead},
    ParseCase{"ByteOrderMarkThenSurrogate", "\xEF\xBB\xBF" + WithComment("\xED\xA0\x80"), kRead}),
    kCaseName);
// clang-format on

TEST(CalcFile, TypedCommentsAreStoredAs) {
    const struct {
        std::string typed;
        std::string stored;
    } cases[] = {{"          Été à Noël: 5 € “oui” ‘non’", "          Été à Noël: 5 € “oui” ‘non’"},
                 {"dit \"oui\"", "dit ”oui”"},
                 {"a\r\nb\nc\rd\n\re", "a\r\nb\r\nc\r\nd\r\n\r\ne"},
                 {"a\tb\x01"
                  "c\x7F"
                  "d\0e"s,
                  "a b c d e"},
                 {"Ω ≠ a😀b \xC2\x81", "? ? a?b ?"},  // outside Windows-1252
                 {"a\xC0\xAF"
                  "b\xFF"
                  "c\xC3",
                  "a??b?c?"}};  // not UTF-8
    for (const auto& c : cases) {
        const std::string stored = StorableComment(c.typed);
        EXPECT_EQ(stored, c.stored) << ::testing::PrintToString(c.typed);
        EXPECT_EQ(StorableComment(stored), stored) << "a stored comment must stay as it is";
    }
}

}  // namespace
}  // namespace tallimo
