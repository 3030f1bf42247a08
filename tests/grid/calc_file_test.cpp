#include "grid/calc_file.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace tallimo {
namespace {

using namespace std::string_literals;

const std::string kHead = "\"Kestrone Application Virelle\"\r\n\"1.5.0\"\r\n";

CalcLine Line(std::string operation, std::string value, LineKind kind = LineKind::Operation,
              std::string comment = "", std::string decimals = "") {
    return CalcLine{std::move(operation), std::move(value), std::move(comment), std::move(decimals),
                    kind};
}

// Lines as readable text, control characters shown, for failure messages.
std::string Show(const std::vector<CalcLine>& lines) {
    std::string text;
    for (const CalcLine& line : lines) {
        text += std::to_string(static_cast<int>(line.Kind));
        for (const std::string* field :
             {&line.Operation, &line.Value, &line.Comment, &line.Decimals}) {
            text += " [";
            for (const char c : *field) {
                if (static_cast<unsigned char>(c) < 0x20) {
                    text += "\\x" + std::to_string(static_cast<int>(c));
                } else {
                    text += c;
                }
            }
            text += ']';
        }
        text += '\n';
    }
    return text;
}

::testing::AssertionResult SameLines(const std::vector<CalcLine>& actual,
                                     const std::vector<CalcLine>& expected) {
    if (actual == expected) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "read:\n"
                                         << Show(actual) << "expected:\n"
                                         << Show(expected);
}

// ---- What is written, byte for byte ----------------------------------------

struct WrittenCase {
    const char* name;
    std::vector<CalcLine> lines;
    std::string bytes;
};
void PrintTo(const WrittenCase& c, std::ostream* out) {
    *out << c.name;
}

class WrittenBytes : public ::testing::TestWithParam<WrittenCase> {};

TEST_P(WrittenBytes, AreExactly) {
    EXPECT_EQ(WriteCalculationFile(GetParam().lines), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    CalcFile, WrittenBytes,
    ::testing::Values(
        WrittenCase{
            "ThreeLinesWithACommentedResult",
            {Line("", "3"), Line("+", "4"), Line("=", "7", LineKind::Result, "          total")},
            kHead + "0,\"\",\"3\",\"\",\"\"\r\n0,\"+\",\"4\",\"\",\"\"\r\n"
                    "2,\"=\",\"7\",\"          total\",\"\"\r\n"},
        WrittenCase{"NoLineIsJustTheTwoHeaders", {}, kHead},
        WrittenCase{"AccentsTakeOneByteEach",
                    {Line("", "2"), Line("RCarrée", "1,4142135623731", LineKind::Function),
                     Line("Décimal", "1,41", LineKind::Function, "", "2")},
                    kHead + "0,\"\",\"2\",\"\",\"\"\r\n1,\"RCarr\xE9"
                            "e\",\"1,4142135623731\","
                            "\"\",\"\"\r\n1,\"D\xE9"
                            "cimal\",\"1,41\",\"\",\"2\"\r\n"},
        WrittenCase{"CancellationLine",
                    {Line("", "3"), Line("", "Annulation", LineKind::Cancellation)},
                    kHead + "0,\"\",\"3\",\"\",\"\"\r\n3,\"\",\"Annulation\",\"\",\"\"\r\n"},
        WrittenCase{"CommentKeepsItsLineBreaksAndWindowsCharacters",
                    {Line("", "5", LineKind::Operation, "          prix 5 € “net”\r\nsuite")},
                    kHead + "0,\"\",\"5\",\"          prix 5 \x80 \x93net\x94\r\nsuite\",\"\"\r\n"},
        WrittenCase{"UnstorableCharactersAreReplacedNotLost",
                    {Line("", "5", LineKind::Operation, "a\"b\nc Ω d")},
                    kHead + "0,\"\",\"5\",\"a\x94"
                            "b\r\nc ? d\",\"\"\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Lines that go out come back -------------------------------------------

struct RoundTripCase {
    const char* name;
    std::vector<CalcLine> lines;
};
void PrintTo(const RoundTripCase& c, std::ostream* out) {
    *out << c.name;
}

class RoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTrip, ReadsBackTheSameLines) {
    const ParsedFile read = ParseCalculationFile(WriteCalculationFile(GetParam().lines));
    ASSERT_EQ(read.error, FileError::None);
    EXPECT_TRUE(SameLines(read.lines, GetParam().lines));
}

INSTANTIATE_TEST_SUITE_P(
    CalcFile, RoundTrip,
    ::testing::Values(
        RoundTripCase{"Empty", {}},
        RoundTripCase{
            "EveryKindWithComments",
            {Line("", "12,5", LineKind::Operation, "          départ"),
             Line("x", "3", LineKind::Operation, "          trois, ”pas” quatre"),
             Line("=", "37,5", LineKind::Result, "          sous-total"),
             Line("Carré", "1406,25", LineKind::Function, "          au carré"),
             Line("", "Erreur!", LineKind::Cancellation, "          annulé")},
        },
        RoundTripCase{"DecimalsAndFunctionNames",
                      {Line("", "2"), Line("RCarrée", "1,4142135623731", LineKind::Function),
                       Line("Décimal", "1,414", LineKind::Function, "", "3"),
                       Line("Arrond", "1,41", LineKind::Function, "", "2"),
                       Line("Euros", "0,214955246152966", LineKind::Function)}},
        RoundTripCase{"MultiLineCommentWithAccents",
                      {Line("", "-1,5E+20", LineKind::Operation,
                            "          première ligne\r\n\r\nÉté, œuvre, €")}},
        RoundTripCase{"LastLineIsAnError",
                      {Line("", "1"), Line("/", "0"), Line("=", "Erreur!", LineKind::Result)}},
        RoundTripCase{"LastLineIsACancellation",
                      {Line("", "7"), Line("", "Annulation", LineKind::Cancellation)}},
        RoundTripCase{"ControlCharactersStay", {Line("", "1E-05", LineKind::Result, "a\tb\x01")}}),
    [](const auto& info) { return std::string(info.param.name); });

// A field the format cannot carry is written the way StorableText shows it,
// so what the user was shown is what comes back.
TEST(CalcFile, WritingStoresWhatStorableTextShows) {
    const std::vector<std::string> texts = {"un \"mot\"", "a\rb\nc\r\nd", "Ω≈ç", "\xFF\xC3", ""};
    for (const std::string& text : texts) {
        const std::vector<CalcLine> lines = {Line(text, "1", LineKind::Function, text, text)};
        const ParsedFile read = ParseCalculationFile(WriteCalculationFile(lines));
        ASSERT_EQ(read.error, FileError::None) << text;
        const std::vector<CalcLine> expected = {Line(StorableText(text), "1", LineKind::Function,
                                                     StorableText(text), StorableText(text))};
        EXPECT_TRUE(SameLines(read.lines, expected)) << text;
    }
}

// ---- Files from elsewhere that must open -----------------------------------

struct AcceptedCase {
    const char* name;
    std::string bytes;
    std::vector<CalcLine> lines;
};
void PrintTo(const AcceptedCase& c, std::ostream* out) {
    *out << c.name;
}

class AcceptedFile : public ::testing::TestWithParam<AcceptedCase> {};

TEST_P(AcceptedFile, GivesTheseLines) {
    const ParsedFile read = ParseCalculationFile(GetParam().bytes);
    ASSERT_EQ(read.error, FileError::None);
    EXPECT_TRUE(SameLines(read.lines, GetParam().lines));
}

const std::vector<CalcLine> kThreeLines = {Line("", "3"), Line("+", "4"),
                                           Line("=", "7", LineKind::Result, "          total")};

INSTANTIATE_TEST_SUITE_P(
    CalcFile, AcceptedFile,
    ::testing::Values(
        AcceptedCase{"LineFeedsOnly",
                     "\"Kestrone Application Virelle\"\n\"1.5.0\"\n0,\"\",\"3\",\"\",\"\"\n"
                     "0,\"+\",\"4\",\"\",\"\"\n2,\"=\",\"7\",\"          total\",\"\"\n",
                     kThreeLines},
        AcceptedCase{"NoFinalLineEnd",
                     kHead + "0,\"\",\"3\",\"\",\"\"\r\n0,\"+\",\"4\",\"\",\"\"\r\n"
                             "2,\"=\",\"7\",\"          total\",\"\"",
                     kThreeLines},
        AcceptedCase{"EmptyLinesAtTheEnd",
                     kHead + "0,\"\",\"3\",\"\",\"\"\r\n0,\"+\",\"4\",\"\",\"\"\r\n"
                             "2,\"=\",\"7\",\"          total\",\"\"\r\n\r\n\n\r\n",
                     kThreeLines},
        AcceptedCase{
            "Utf8WithByteOrderMark",
            "\xEF\xBB\xBF" + kHead +
                "0,\"\",\"2\",\"\",\"\"\r\n"
                "1,\"Décimal\",\"2\",\"          € Ω\",\"0\"\r\n",
            {Line("", "2"), Line("Décimal", "2", LineKind::Function, "          € ?", "0")}},
        AcceptedCase{"AnyVersion",
                     "\"Kestrone Application Virelle\"\r\n\"2.0 bêta\"\r\n"
                     "0,\"\",\"3\",\"\",\"\"\r\n",
                     {Line("", "3")}},
        AcceptedCase{"EmptyVersion", "\"Kestrone Application Virelle\"\r\n\"\"\r\n", {}},
        AcceptedCase{"TwoHeadersAndNoLine", kHead, {}},
        AcceptedCase{
            "TwoHeadersNoFinalLineEnd", "\"Kestrone Application Virelle\"\r\n\"1.5.0\"", {}},
        AcceptedCase{"UnknownKindsAreOperationLines",
                     kHead + "4,\"\",\"1\",\"\",\"\"\r\n255,\"\",\"2\",\"\",\"\"\r\n"
                             "003,\"\",\"3\",\"\",\"\"\r\n",
                     {Line("", "1"), Line("", "2"), Line("", "3", LineKind::Cancellation)}},
        AcceptedCase{"CommasAndSpacesInsideQuotesStay",
                     kHead + "0,\" x, y \",\"12,5\",\"          a,b\",\" 2\"\r\n",
                     {Line(" x, y ", "12,5", LineKind::Operation, "          a,b", " 2")}},
        AcceptedCase{"LineBreaksInsideQuotesReadAsCrLf",
                     kHead + "0,\"\",\"1\",\"a\nb\rc\r\nd\",\"\"\n",
                     {Line("", "1", LineKind::Operation, "a\r\nb\r\nc\r\nd")}},
        AcceptedCase{"WindowsCharactersDecoded",
                     kHead + "1,\"Carr\xE9\",\"4\",\"\x80\x93\x94\x9C\xFF\",\"\"\r\n",
                     {Line("Carré", "4", LineKind::Function, "€“”œÿ")}},
        AcceptedCase{"OnlyTheLastValueMustBeANumber",
                     kHead + "0,\"\",\"n'importe\",\"\",\"\"\r\n0,\"\",\"1E+20\",\"\",\"\"\r\n",
                     {Line("", "n'importe"), Line("", "1E+20")}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Files that must be refused --------------------------------------------

struct RefusedCase {
    const char* name;
    std::string bytes;
    FileError error;
};
void PrintTo(const RefusedCase& c, std::ostream* out) {
    *out << c.name;
}

class RefusedFile : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedFile, GivesTheErrorAndNoLine) {
    const ParsedFile read = ParseCalculationFile(GetParam().bytes);
    EXPECT_EQ(read.error, GetParam().error);
    EXPECT_TRUE(read.lines.empty());
}

const std::string kRecord = "0,\"\",\"3\",\"\",\"\"\r\n";

INSTANTIATE_TEST_SUITE_P(
    CalcFile, RefusedFile,
    ::testing::Values(
        RefusedCase{"EmptyFile", "", FileError::WrongFormat},
        RefusedCase{"OtherHeader", "\"Kestrone Application\"\r\n\"1.5.0\"\r\n" + kRecord,
                    FileError::WrongFormat},
        RefusedCase{"HeaderInOtherCase",
                    "\"kestrone application virelle\"\r\n\"1.5.0\"\r\n" + kRecord,
                    FileError::WrongFormat},
        RefusedCase{"HeaderUnquoted", "Kestrone Application Virelle\r\n\"1.5.0\"\r\n" + kRecord,
                    FileError::WrongFormat},
        RefusedCase{"HeaderWithMore", "\"Kestrone Application Virelle\",\"1.5.0\"\r\n" + kRecord,
                    FileError::WrongFormat},
        RefusedCase{"HeaderUnterminated", "\"Kestrone Application Virelle", FileError::WrongFormat},
        RefusedCase{"BinaryFile", "\x89PNG\r\n\x1A\n\x81\x8D", FileError::WrongFormat},
        RefusedCase{"HeaderOnly", "\"Kestrone Application Virelle\"\r\n", FileError::ReadFailed},
        RefusedCase{"VersionMissing", "\"Kestrone Application Virelle\"\r\n" + kRecord,
                    FileError::ReadFailed},
        RefusedCase{"VersionUnquoted", "\"Kestrone Application Virelle\"\r\n1.5.0\r\n" + kRecord,
                    FileError::ReadFailed},
        RefusedCase{"KindNotANumber", kHead + "a,\"\",\"3\",\"\",\"\"\r\n", FileError::ReadFailed},
        RefusedCase{"KindTooLarge", kHead + "256,\"\",\"3\",\"\",\"\"\r\n", FileError::ReadFailed},
        RefusedCase{"KindNegative", kHead + "-1,\"\",\"3\",\"\",\"\"\r\n", FileError::ReadFailed},
        RefusedCase{"KindMissing", kHead + ",\"\",\"3\",\"\",\"\"\r\n", FileError::ReadFailed},
        RefusedCase{"KindQuoted", kHead + "\"0\",\"\",\"3\",\"\",\"\"\r\n", FileError::ReadFailed},
        RefusedCase{"KindWithDecimals", kHead + "1,5,\"\",\"3\",\"\",\"\"\r\n",
                    FileError::ReadFailed},
        RefusedCase{"QuoteUnterminated", kHead + "0,\"\",\"3\",\"\",\"\r\n", FileError::ReadFailed},
        RefusedCase{"FieldsMissing", kHead + "0,\"\",\"3\",\"\"\r\n", FileError::ReadFailed},
        RefusedCase{"FieldTooMany", kHead + "0,\"\",\"3\",\"\",\"\",\"\"\r\n",
                    FileError::ReadFailed},
        RefusedCase{"FieldUnquoted", kHead + "0,,\"3\",\"\",\"\"\r\n", FileError::ReadFailed},
        RefusedCase{"SpaceAfterComma", kHead + "0, \"\",\"3\",\"\",\"\"\r\n",
                    FileError::ReadFailed},
        RefusedCase{"GarbageAfterRecord", kHead + "0,\"\",\"3\",\"\",\"\"x\r\n",
                    FileError::ReadFailed},
        RefusedCase{"GarbageAfterVersion", "\"Kestrone Application Virelle\"\r\n\"1.5.0\" \r\n",
                    FileError::ReadFailed},
        RefusedCase{"EmptyLineBetweenRecords", kHead + kRecord + "\r\n" + kRecord,
                    FileError::ReadFailed},
        RefusedCase{"CarriageReturnAlone", kHead + "0,\"\",\"3\",\"\",\"\"\r",
                    FileError::ReadFailed},
        RefusedCase{"LastValueNotANumber", kHead + kRecord + "0,\"+\",\"quatre\",\"\",\"\"\r\n",
                    FileError::ReadFailed},
        RefusedCase{"LastValueEmpty", kHead + "0,\"+\",\"\",\"\",\"\"\r\n", FileError::ReadFailed},
        RefusedCase{"LastValueWithDecimalPoint", kHead + "0,\"\",\"12.5\",\"\",\"\"\r\n",
                    FileError::ReadFailed},
        RefusedCase{"Undefined81", kHead + "0,\"\",\"3\",\"\x81\",\"\"\r\n", FileError::ReadFailed},
        RefusedCase{"Undefined8D", kHead + "0,\"\",\"3\",\"\x8D\",\"\"\r\n", FileError::ReadFailed},
        RefusedCase{"Undefined8F", kHead + "0,\"\",\"3\",\"\x8F\",\"\"\r\n", FileError::ReadFailed},
        RefusedCase{"Undefined90", kHead + "0,\"\x90\",\"3\",\"\",\"\"\r\n", FileError::ReadFailed},
        RefusedCase{"Undefined9D", "\"Kestrone Application Virelle\"\r\n\"\x9D\"\r\n" + kRecord,
                    FileError::ReadFailed},
        RefusedCase{"ByteOrderMarkThenNotUtf8",
                    "\xEF\xBB\xBF" + kHead + "0,\"\",\"3\",\"\xE9t\xE9\",\"\"\r\n",
                    FileError::ReadFailed},
        RefusedCase{"ByteOrderMarkThenSurrogate",
                    "\xEF\xBB\xBF" + kHead + "0,\"\",\"3\",\"\xED\xA0\x80\",\"\"\r\n",
                    FileError::ReadFailed},
        RefusedCase{"NulInTheKind", kHead + "0\0,\"\",\"3\",\"\",\"\"\r\n"s,
                    FileError::ReadFailed}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Comments as typed, made storable ---------------------------------------

struct CommentCase {
    const char* name;
    std::string typed;
    std::string stored;
};
void PrintTo(const CommentCase& c, std::ostream* out) {
    *out << c.name;
}

class TypedComment : public ::testing::TestWithParam<CommentCase> {};

TEST_P(TypedComment, IsStoredAs) {
    const std::string stored = StorableComment(GetParam().typed);
    EXPECT_EQ(stored, GetParam().stored);
    EXPECT_EQ(StorableComment(stored), stored) << "a stored comment must stay as it is";
}

INSTANTIATE_TEST_SUITE_P(
    CalcFile, TypedComment,
    ::testing::Values(CommentCase{"Plain", "          total", "          total"},
                      CommentCase{"Accents", "Été à Noël, œuvre: 5 €", "Été à Noël, œuvre: 5 €"},
                      CommentCase{"Empty", "", ""},
                      CommentCase{"DoubleQuotes", "dit \"oui\"", "dit ”oui”"},
                      CommentCase{"TypographicQuotesKept", "“oui” ‘non’", "“oui” ‘non’"},
                      CommentCase{"CrLfKept", "a\r\nb", "a\r\nb"},
                      CommentCase{"LoneLineFeed", "a\nb\n", "a\r\nb\r\n"},
                      CommentCase{"LoneCarriageReturn", "a\rb", "a\r\nb"},
                      CommentCase{"LineFeedThenCarriageReturn", "a\n\rb", "a\r\n\r\nb"},
                      CommentCase{"TabAndOtherControls",
                                  "a\tb\x01"
                                  "c\x7F"
                                  "d\0e"s,
                                  "a b c d e"},
                      CommentCase{"OutsideWindows1252", "Ω ≠ ∞", "? ? ?"},
                      CommentCase{"FourByteCharacter", "a😀b", "a?b"},
                      CommentCase{"C1ControlNotInWindows1252",
                                  "a\xC2\x81"
                                  "b",
                                  "a?b"},
                      CommentCase{"NotUtf8",
                                  "a\xFF"
                                  "b\xC3",
                                  "a?b?"},
                      CommentCase{"Overlong",
                                  "a\xC0\xAF"
                                  "b",
                                  "a??b"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Messages -------------------------------------------------------------

TEST(CalcFile, ErrorMessages) {
    const struct {
        FileError error;
        std::string_view message;
    } cases[] = {
        {FileError::None, ""},
        {FileError::WrongFormat, "Format de fichier erroné."},
        {FileError::OpenFailed, "Une erreur s'est produite lors de l'ouverture du fichier."},
        {FileError::ReadFailed, "Une erreur s'est produite lors de l'ouverture du fichier."},
        {FileError::WriteFailed, "Une erreur s'est produite lors de la sauvegarde."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileErrorMessage(c.error), c.message) << static_cast<int>(c.error);
    }
}

}  // namespace
}  // namespace tallimo
