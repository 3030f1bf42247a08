#include "grid/line_edit.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/functions.h"
#include "tests/engine/engine_harness.h"

namespace tallimo {
namespace {

using testing::EngineRig;
using testing::GridText;
using testing::ScriptedHost;

// A grid written as lines separated by ";": "3" a first operand, "+ 4" an
// operator line, "= 7" a result, "Carré 49" or "f:Name 1" a function line,
// "Annulation" a cancellation line; "@2" gives the decimals and everything
// after "#" is the comment as stored.
CalcLine ParseLine(std::string text) {
    CalcLine line;
    if (const std::size_t hash = text.find('#'); hash != std::string::npos) {
        line.Comment = text.substr(hash + 1);
        text.resize(hash);
    }
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    if (words.size() == 1) {
        line.Value = words[0];
        if (line.Value == kCancellationText) {
            line.Kind = LineKind::Cancellation;
        }
        return line;
    }
    line.Operation = words[0];
    line.Value = words[1];
    if (words.size() > 2) {
        line.Decimals = words[2].substr(1);
    }
    if (line.Operation == "=") {
        line.Kind = LineKind::Result;
    } else if (line.Operation.rfind("f:", 0) == 0) {
        line.Operation.erase(0, 2);
        line.Kind = LineKind::Function;
    } else if (FunctionFromName(line.Operation)) {
        line.Kind = LineKind::Function;
    }
    return line;
}

std::vector<CalcLine> Lines(const std::string& text) {
    std::vector<CalcLine> lines;
    std::istringstream in(text);
    for (std::string item; std::getline(in, item, ';');) {
        lines.push_back(ParseLine(item));
    }
    return lines;
}

CalcGrid MakeGrid(const std::string& text) {
    CalcGrid grid;
    grid.Reset(Lines(text));
    return grid;
}

enum class Verb { Delete, Confirm, Cancel };

// A button of the panel. Confirm starts from the boxes as the panel fills
// them when the line opens, then types the texts given here.
struct Action {
    Verb verb = Verb::Confirm;
    int row = 0;
    const char* function = nullptr;
    const char* op = nullptr;
    const char* operand = nullptr;
    const char* comment = nullptr;
};

// What the window is told once the button has acted.
struct Closing {
    EditStatus status = EditStatus::Done;
    int current_row = 0;
    bool show_x = false;
    const char* follow = nullptr;  // nothing when X stays
};

struct EditCase {
    const char* name;
    const char* before;
    Action action;
    const char* after;
    Closing closing;
    std::vector<const char*> answers = {};  // nullptr cancels the prompt
    int prompts = 0;
    const char* message = nullptr;
    const char* operand_text = nullptr;  // checked when given
};

void PrintTo(const EditCase& c, std::ostream* out) {
    *out << c.name;
}

EditResult Act(LineEditor& editor, const Action& action) {
    if (action.verb == Verb::Delete) {
        return editor.Delete(action.row);
    }
    if (action.verb == Verb::Cancel) {
        return editor.Cancel(action.row);
    }
    const LineOpening boxes = editor.Open(action.row);
    EditRequest request;
    request.row = action.row;
    request.function = action.function != nullptr ? action.function : boxes.operation;
    request.op = action.op != nullptr ? action.op : boxes.operation;
    request.operand = action.operand != nullptr ? action.operand : boxes.operand;
    request.comment_changed = action.comment != nullptr;
    request.comment = action.comment != nullptr ? action.comment : boxes.comment;
    return editor.Confirm(request);
}

class EditTable : public ::testing::TestWithParam<EditCase> {};

TEST_P(EditTable, GridAndClosingSteps) {
    const EditCase& c = GetParam();
    CalcGrid grid = MakeGrid(c.before);
    ScriptedHost host;
    for (const char* answer : c.answers) {
        host.answers.push_back(answer != nullptr ? std::optional<std::string>(answer)
                                                 : std::nullopt);
    }
    LineEditor editor(grid, host, host);

    const EditResult result = Act(editor, c.action);

    EXPECT_EQ(GridText(grid), GridText(MakeGrid(c.after)));
    EXPECT_EQ(result.status, c.closing.status);
    EXPECT_EQ(result.current_row, c.closing.current_row);
    EXPECT_EQ(result.show_x, c.closing.show_x);
    EXPECT_EQ(result.follow_value, c.closing.follow != nullptr
                                       ? std::optional<std::string>(c.closing.follow)
                                       : std::nullopt);
    EXPECT_EQ(static_cast<int>(host.prompts.size()), c.prompts);
    const std::vector<std::string> messages =
        c.message != nullptr ? std::vector<std::string>{c.message} : std::vector<std::string>{};
    EXPECT_EQ(host.messages, messages);
    if (c.operand_text != nullptr) {
        EXPECT_EQ(result.operand_text, c.operand_text);
    }
}

template <typename Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

constexpr EditStatus kDone = EditStatus::Done;
constexpr EditStatus kRefused = EditStatus::Refused;
constexpr EditStatus kInvalid = EditStatus::InvalidOperand;
constexpr Verb kDelete = Verb::Delete;
const char* const kInvalidMessage = kInvalidOperandMessage.data();

// clang-format off
INSTANTIATE_TEST_SUITE_P(Delete, EditTable, ::testing::Values(
    EditCase{"FirstOperandLeavesNextOperandAlone", "3; + 4; = 7", {kDelete, 0}, "4",
             {kDone, 0, true, "4"}},
    EditCase{"OneOfTwoOperatorLines", "3; + 4; + 5; = 12", {kDelete, 1}, "3; + 5; = 8",
             {kDone, 2, true, "8"}},
    EditCase{"OnlyOperatorLineTakesTheResultAlong", "3; + 4; = 7", {kDelete, 1}, "3",
             {kDone, 0, true, "3"}},
    EditCase{"OperandTakesItsFunctionsAlong", "3; + 16; RCarrée 4; Carré 16; x 2; = 38",
             {kDelete, 1}, "3; x 2; = 6", {kDone, 2, true, "6"}},
    EditCase{"FirstOperandTakesItsFunctionsAlong", "16; RCarrée 4; + 1; x 2; = 10",
             {kDelete, 0}, "1; x 2; = 2", {kDone, 2, true, "2"}},
    EditCase{"FunctionLineAlone", "16; RCarrée 4; + 1; = 5", {kDelete, 1}, "16; + 1; = 17",
             {kDone, 2, true, "17"}},
    EditCase{"ContinuedChainLosesItsFirstResult", "3; + 4; = 7; + 5; = 12", {kDelete, 1},
             "3; + 5; = 8", {kDone, 2, true, "8"}},
    EditCase{"ChainAboveAnotherIsNotFollowed", "3; + 4; + 5; = 12; 1; + 1; = 2", {kDelete, 2},
             "3; + 4; = 7; 1; + 1; = 2", {kDone, 2, false}},
    EditCase{"LoneLastOperandHandsXToThePreviousChain", "3; + 4; = 7; 5", {kDelete, 3},
             "3; + 4; = 7", {kDone, 2, true, "7"}},
    EditCase{"OnlyLineEmptiesTheGrid", "3", {kDelete, 0}, "", {kDone, 0, true}},
    EditCase{"CancellationLeftLastIsNotFollowed", "Annulation; 5", {kDelete, 1}, "Annulation",
             {kDone, 0, true}},
    EditCase{"FileStartingWithAnOperator", "+ 3; + 4; = 7", {kDelete, 1}, "+ 3",
             {kDone, 0, true, "3"}},
    EditCase{"ResultLineIsRefused", "3; + 4; = 7", {kDelete, 2}, "3; + 4; = 7",
             {kRefused, 2, false}},
    EditCase{"CancellationLineIsRefused", "3; Annulation", {kDelete, 1}, "3; Annulation",
             {kRefused, 1, false}},
    EditCase{"OpenRowIsRefused", "3", {kDelete, 1}, "3", {kRefused, 1, false}}),
    CaseName<EditCase>);

INSTANTIATE_TEST_SUITE_P(Confirm, EditTable, ::testing::Values(
    EditCase{"OperandWithComma", "3; + 4; = 7", {.row = 1, .operand = "5,5"},
             "3; + 5,5; = 8,5", {kDone, 2, true, "8,5"}},
    EditCase{"OperandWithPoint", "3; + 4; = 7", {.row = 1, .operand = "5.5"},
             "3; + 5,5; = 8,5", {kDone, 2, true, "8,5"}, {}, 0, nullptr, "5,5"},
    EditCase{"FirstOperand", "3; + 4; = 7; Carré 49", {.row = 0, .operand = "1"},
             "1; + 4; = 5; Carré 25", {kDone, 3, true, "25"}},
    EditCase{"UntouchedOperandRecomputesNothing", "3; + 4; = 99", {.row = 1},
             "3; + 4; = 99", {kDone, 2, true, "99"}},
    EditCase{"Operator", "3; + 4; = 7", {.row = 1, .op = "x"}, "3; x 4; = 12",
             {kDone, 2, true, "12"}},
    EditCase{"OperatorOfTheFirstLineIsIgnored", "3; + 4; = 99", {.row = 0, .op = "x"},
             "3; + 4; = 99", {kDone, 2, true, "99"}},
    EditCase{"EmptyOperatorWouldSplitTheChain", "3; + 4; = 7", {.row = 1, .op = ""},
             "3; + 4; = 7", {kDone, 2, true, "7"}},
    EditCase{"UnknownOperatorLeavesTheTotal", "3; + 4; + 1; = 8", {.row = 1, .op = "?"},
             "3; ? 4; + 1; = 4", {kDone, 3, true, "4"}},
    EditCase{"RowZeroWithAnOperatorIsTheFirstOperand", "+ 3; + 4; = 7",
             {.row = 1, .operand = "5"}, "+ 3; + 5; = 8", {kDone, 2, true, "8"}},
    EditCase{"FunctionAfterEqualsAppliesToTheTotal", "3; + 4; = 7; Carré 49",
             {.row = 1, .operand = "5"}, "3; + 5; = 8; Carré 64", {kDone, 3, true, "64"}},
    EditCase{"ChainAboveAnotherIsNotFollowed", "3; + 4; = 7; 1; + 1; = 2",
             {.row = 1, .operand = "5"}, "3; + 5; = 8; 1; + 1; = 2", {kDone, 1, false}},
    EditCase{"DecimalsCountOfTheLine", "1; + 2,789; Décimal 2,7 @1; = 3,7",
             {.row = 1, .operand = "5,1234"}, "1; + 5,1234; Décimal 5,1 @1; = 6,1",
             {kDone, 3, true, "6,1"}},
    EditCase{"WholeValueKeepsItsDecimalsLine", "1; + 2,789; Arrond 2,8 @1; = 3,8",
             {.row = 1, .operand = "5"}, "1; + 5; Arrond 5 @1; = 6", {kDone, 3, true, "6"}},
    EditCase{"ResultLineTakesOnlyItsComment", "3; + 4; = 99",
             {.row = 2, .operand = "1", .comment = "total"}, "3; + 4; = 99#          total",
             {kDone, 2, true, "99"}},
    EditCase{"CommentBehindItsPadding", "3; + 4; = 7", {.row = 1, .comment = " payé le 3"},
             "3; + 4#           payé le 3; = 7", {kDone, 2, true, "7"}},
    EditCase{"CommentOfSpacesRemovesIt", "3; + 4#          note; = 7",
             {.row = 1, .comment = "   "}, "3; + 4; = 7", {kDone, 2, true, "7"}},
    EditCase{"UnchangedCommentIsKept", "3; + 4#          note  ; = 7", {.row = 1},
             "3; + 4#          note  ; = 7", {kDone, 2, true, "7"}},
    EditCase{"CancellationLineIsRefused", "3; Annulation", {.row = 1, .comment = "x"},
             "3; Annulation", {kRefused, 1, false}, {}, 0, kCancellationLineMessage.data()},
    EditCase{"OpenRowIsRefused", "3", {.row = 1, .operand = "4", .comment = "x"}, "3",
             {kRefused, 1, false}}),
    CaseName<EditCase>);

INSTANTIATE_TEST_SUITE_P(InvalidOperand, EditTable, ::testing::Values(
    EditCase{"PanelStaysButTheCommentIsStored", "3; + 4; = 7",
             {.row = 1, .op = "x", .operand = "abc", .comment = "vu"}, "3; + 4#          vu; = 7",
             {kInvalid, 1, false}, {}, 0, kInvalidMessage},
    EditCase{"TwoPoints", "3; + 4; = 7", {.row = 1, .operand = "1.2.3"}, "3; + 4; = 7",
             {kInvalid, 1, false}, {}, 0, kInvalidMessage, "1,2,3"},
    EditCase{"EmptyBox", "3; + 4; = 7", {.row = 0, .operand = ""}, "3; + 4; = 7",
             {kInvalid, 0, false}, {}, 0, kInvalidMessage}),
    CaseName<EditCase>);

// Failures show as "Erreur!" in the grid: no case here expects a message.
INSTANTIATE_TEST_SUITE_P(Errors, EditTable, ::testing::Values(
    EditCase{"DivisionByZero", "6; / 2; = 3", {.row = 1, .operand = "0"}, "6; / 0; = Erreur!",
             {kDone, 2, true}},
    EditCase{"SpreadsToLaterResults", "6; / 2; = 3; + 1; = 4; Carré 16",
             {.row = 1, .operand = "0"}, "6; / 0; = Erreur!; + 1; = Erreur!; Carré Erreur!",
             {kDone, 5, true}},
    EditCase{"RefusedFunctionOfAnOperand", "1; + 4; RCarrée 2; = 3",
             {.row = 1, .operand = "-4"}, "1; + -4; RCarrée Erreur!; = Erreur!",
             {kDone, 3, true}},
    EditCase{"RefusedFunctionOfTheTotal", "2; Log 0,693147180559945; + 1; = 1,69314718055995",
             {.row = 0, .operand = "0"}, "0; Log Erreur!; + 1; = Erreur!", {kDone, 3, true}},
    EditCase{"OperandErrorEndsAtTheNextOperator", "1; + 4; 1/x 0,25; x 2; 1/x 0,5; = 2,5",
             {.row = 1, .operand = "0"}, "1; + 0; 1/x Erreur!; x 2; 1/x 0,5; = Erreur!",
             {kDone, 5, true}},
    EditCase{"Overflow", "2; x^y 3; = 8", {.row = 1, .operand = "5000"},
             "2; x^y 5000; = Erreur!", {kDone, 2, true}},
    EditCase{"FunctionOverflow", "1; + 2; e^x 7,38905609893065; = 8,38905609893065",
             {.row = 1, .operand = "1000"}, "1; + 1000; e^x Erreur!; = Erreur!",
             {kDone, 3, true}}),
    CaseName<EditCase>);

INSTANTIATE_TEST_SUITE_P(Function, EditTable, ::testing::Values(
    EditCase{"OtherFunction", "1; + 3; Carré 9; = 10", {.row = 2, .function = "Cube"},
             "1; + 3; Cube 27; = 28", {kDone, 3, true, "28"}},
    EditCase{"ArrondWithAnEmptyAnswerUsesTwo", "2,789; Int 2; + 1; = 3",
             {.row = 1, .function = "Arrond"}, "2,789; Arrond 2,79 @2; + 1; = 3,79",
             {kDone, 3, true, "3,79"}, {""}, 1},
    EditCase{"CancelledPromptUsesTwo", "2,789; Int 2", {.row = 1, .function = "Décimal"},
             "2,789; Décimal 2,78 @2", {kDone, 1, true, "2,78"}, {nullptr}, 1},
    EditCase{"NegativeAnswerUsesTwo", "2,789; Int 2", {.row = 1, .function = "Arrond"},
             "2,789; Arrond 2,79 @2", {kDone, 1, true, "2,79"}, {"-3"}, 1},
    EditCase{"PromptRepeatedUntilANumber", "2,789; Int 2", {.row = 1, .function = "Décimal"},
             "2,789; Décimal 2,7 @1", {kDone, 1, true, "2,7"}, {"un", "1"}, 2},
    EditCase{"AnswerStoredAsTypedCountRounded", "2,789; Int 2",
             {.row = 1, .function = "Arrond"}, "2,789; Arrond 2,8 @1,4",
             {kDone, 1, true, "2,8"}, {"1.4"}, 1},
    EditCase{"NameOutsideTheListLeavesTheValue", "1; + 3; Carré 9; = 10",
             {.row = 2, .function = "Quoi"}, "1; + 3; f:Quoi 3; = 4", {kDone, 3, true, "4"}},
    EditCase{"EmptyNameIsIgnored", "1; + 3; Carré 9; = 10", {.row = 2, .function = ""},
             "1; + 3; Carré 9; = 10", {kDone, 3, true, "10"}}),
    CaseName<EditCase>);

INSTANTIATE_TEST_SUITE_P(Cancel, EditTable, ::testing::Values(
    EditCase{"LastChainIsFollowed", "3; + 4; = 7", {Verb::Cancel, 0}, "3; + 4; = 7",
             {kDone, 2, true, "7"}},
    EditCase{"OtherChainLeavesX", "3; + 4; = 7; 1", {Verb::Cancel, 1}, "3; + 4; = 7; 1",
             {kDone, 1, false}}),
    CaseName<EditCase>);
// clang-format on

struct ChainCase {
    const char* name;
    const char* grid;
    int row;
    Chain chain;
};

class ChainTable : public ::testing::TestWithParam<ChainCase> {};

TEST_P(ChainTable, FirstAndLast) {
    const ChainCase& c = GetParam();
    EXPECT_EQ(FindChain(MakeGrid(c.grid), c.row), c.chain);
}

constexpr const char* kTwoChains = "3; + 4; = 7; Carré 49; 5; x 2; Annulation; 1";

INSTANTIATE_TEST_SUITE_P(
    FindChain, ChainTable,
    ::testing::Values(ChainCase{"FromTheFirstOperand", kTwoChains, 0, {0, 3}},
                      ChainCase{"FromAFunctionAfterEquals", kTwoChains, 3, {0, 3}},
                      ChainCase{"UnfinishedChain", kTwoChains, 5, {4, 5}},
                      ChainCase{"CancellationStandsAlone", kTwoChains, 6, {6, 6}},
                      ChainCase{"LastLineStopsAtTheOpenRow", kTwoChains, 7, {7, 7}},
                      ChainCase{"RowZeroWithAnOperator", "+ 3; + 4; = 7; 2", 2, {0, 2}}),
    CaseName<ChainCase>);

struct KeypadCase {
    const char* name;
    const char* keys;
    std::vector<std::optional<std::string>> answers = {};
};

class KeypadTable : public ::testing::TestWithParam<KeypadCase> {};

// Every chain the keypad records, with its first operand changed and changed
// back, must be recomputed into exactly the values the keypad wrote.
TEST_P(KeypadTable, RecomputedChainsMatchTheRecording) {
    EngineRig rig;
    rig.host.answers.assign(GetParam().answers.begin(), GetParam().answers.end());
    rig.Type(GetParam().keys);
    ASSERT_TRUE(rig.host.messages.empty());
    const std::string recorded = GridText(rig.grid);

    ScriptedHost host;
    LineEditor editor(rig.grid, host, host);
    for (int first = 0; first < rig.grid.GridLine(); first = FindChain(rig.grid, first).last + 1) {
        if (rig.grid.Row(first).Kind == LineKind::Cancellation) {
            continue;
        }
        const std::string value = rig.grid.Row(first).Value;
        EditRequest request{.row = first, .operand = "123,25"};
        ASSERT_EQ(editor.Confirm(request).status, EditStatus::Done);
        request.operand = value;
        ASSERT_EQ(editor.Confirm(request).status, EditStatus::Done);
    }
    EXPECT_EQ(GridText(rig.grid), recorded);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(host.prompts.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Recalculation, KeypadTable,
    ::testing::Values(KeypadCase{"Chained", "12 + 3 x 2 - 0,1 / 4 ="},
                      KeypadCase{"FunctionOfTheSecondOperand", "12 + 9 f:RCarrée ="},
                      KeypadCase{"FunctionRightAfterTheOperator", "12 + f:RCarrée ="},
                      KeypadCase{"FunctionsAfterEquals", "3 + 4 = f:Carré f:1/x"},
                      KeypadCase{"ContinuedAfterEquals", "3 + 4 = + 5 = x 2 ="},
                      KeypadCase{"Subtraction", "0,3 - 0,1 = 1,25 - 0,1 ="},
                      KeypadCase{"ModAndPowers", "7,6 Mod 2 = 8 +/- x^y 3 = 8 Logn 2 ="},
                      KeypadCase{"Currencies", "100 f:Euros x 3 f:Francs ="},
                      KeypadCase{"Decimals", "2,789 f:Décimal + 1,555 f:Arrond =", {"2", "2"}},
                      KeypadCase{"Trigonometry", "30 f:Sin + 45 f:Tan + 90 f:Cos ="},
                      KeypadCase{"IntAndFraction", "3,25 f:0,00 + 3,7 f:Int - 2 f:e^x f:Log ="},
                      KeypadCase{"Cancelled", "3 + 4 C 5 x 2 ="}),
    CaseName<KeypadCase>);

struct OpenCase {
    const char* name;
    int row;
    OpenStatus status;
    EditLayout layout = EditLayout::Operation;
    const char* caption = "";
    const char* operand = "";
    const char* comment = "";
    bool can_delete = false;
    bool operator_enabled = false;
};

class OpenTable : public ::testing::TestWithParam<OpenCase> {};

constexpr const char* kPanelGrid =
    "3#          début ; + 12,5; Carré 156,25; = 159,25#          fin; Annulation";

TEST_P(OpenTable, PanelContents) {
    const OpenCase& c = GetParam();
    CalcGrid grid = MakeGrid(kPanelGrid);
    ScriptedHost host;
    LineEditor editor(grid, host, host);
    const LineOpening opening = editor.Open(c.row);
    EXPECT_EQ(opening.status, c.status);
    EXPECT_EQ(GridText(grid), GridText(MakeGrid(kPanelGrid)));
    const bool cancellation = c.status == OpenStatus::CancellationLine;
    EXPECT_EQ(host.messages, cancellation
                                 ? std::vector<std::string>{kCancellationLineMessage.data()}
                                 : std::vector<std::string>{});
    if (c.status == OpenStatus::Opened) {
        EXPECT_EQ(opening.layout, c.layout);
        EXPECT_EQ(opening.caption, c.caption);
        EXPECT_EQ(opening.operation, grid.Row(c.row).Operation);
        EXPECT_EQ(opening.operand, c.operand);
        EXPECT_EQ(opening.comment, c.comment);
        EXPECT_EQ(opening.can_delete, c.can_delete);
        EXPECT_EQ(opening.operator_enabled, c.operator_enabled);
    }
}

constexpr OpenStatus kOpened = OpenStatus::Opened;

INSTANTIATE_TEST_SUITE_P(
    Open, OpenTable,
    ::testing::Values(OpenCase{"FirstOperand", 0, kOpened, EditLayout::FirstOperand,
                               "Edition de la ligne:  3", "3", "début", true, false},
                      OpenCase{"OperatorLine", 1, kOpened, EditLayout::Operation,
                               "Edition de la ligne: + 12,5", "12,5", "", true, true},
                      OpenCase{"FunctionLine", 2, kOpened, EditLayout::Function,
                               "Edition de la ligne: Carré 156,25", "", "", true, false},
                      OpenCase{"ResultLine", 3, kOpened, EditLayout::Result,
                               "Edition de la ligne: = 159,25", "", "fin", false, false},
                      OpenCase{"CancellationLine", 4, OpenStatus::CancellationLine},
                      OpenCase{"OpenRow", 5, OpenStatus::OpenRow}),
    CaseName<OpenCase>);

TEST(LineEditClosing, XFollowsTheEditedLastChain) {
    EngineRig rig;
    rig.Type("3 + 4 = 9");  // a number typed but not yet used
    ScriptedHost host;
    LineEditor editor(rig.grid, host, host);
    EditResult result = editor.Confirm({.row = 1, .operand = "5"});
    ASSERT_TRUE(result.show_x);
    rig.engine.FollowValue(result.follow_value.value_or(""));
    EXPECT_EQ(rig.engine.Display(), "8");
    EXPECT_EQ(rig.engine.State().X, 8.0);

    result = editor.Confirm({.row = 1, .op = "/", .operand = "0"});
    ASSERT_TRUE(result.show_x);
    EXPECT_FALSE(result.follow_value);
    rig.engine.FollowValue(result.follow_value.value_or(""));
    EXPECT_EQ(rig.engine.Display(), "8");  // X stays after an error
}

}  // namespace
}  // namespace tallimo
