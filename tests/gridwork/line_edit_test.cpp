#include "gridwork/line_edit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/functions.h"
#include "engine_harness.h"

namespace tallimo {
namespace {

using testing::EngineRig;
using testing::GridText;
using testing::ScriptedDialogs;

// A grid written as lines separated by ";": "3" a first operand, "+ 4" an
// operator line, "= 7" a result, "Carré 49" or "f:Name 1" a function line,
// "Annulation" a cancellation line; "@2" gives the decimals and everything
// after "#" is the comment, stored behind its padding.
CalcGrid MakeGrid(const std::string& text) {
    std::vector<CalcLine> lines;
    std::istringstream in(text);
    for (std::string item; std::getline(in, item, ';');) {
        const std::size_t hash = std::min(item.find('#'), item.size());
        std::string op, value, decimals;
        std::istringstream(item.substr(0, hash)) >> op >> value >> decimals;
        if (value.empty()) {
            std::swap(op, value);
        }
        const bool function = op.starts_with("f:") || FunctionFromName(op);
        lines.push_back({op.starts_with("f:") ? op.substr(2) : op, value,
                         hash < item.size() ? kCommentPadding + item.substr(hash + 1) : "",
                         decimals.substr(!decimals.empty()),
                         value == kCancellationText ? LineKind::Cancellation
                         : op == "="                ? LineKind::Result
                         : function                 ? LineKind::Function
                                                    : LineKind::Operation});
    }
    CalcGrid grid;
    grid.Reset(std::move(lines));
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

struct EditCase {
    const char* name;
    const char* before;
    Action action;
    const char* after;
    // What the window is told once the button has acted.
    int current_row;
    bool show_x = false;
    std::optional<std::string> follow = {};  // nothing when X stays
    EditStatus status = EditStatus::Done;
    std::vector<std::string> answers = {};  // one prompt each; "" cancels
    std::vector<std::string> messages = {};
    const char* operand_text = nullptr;  // checked when given
};

EditResult Act(LineEditor& editor, const Action& action) {
    if (action.verb != Verb::Confirm) {
        return action.verb == Verb::Delete ? editor.Delete(action.row) : editor.Cancel(action.row);
    }
    const LineOpening boxes = editor.Open(action.row);
    return editor.Confirm({.row = action.row,
                           .comment_changed = action.comment != nullptr,
                           .comment = action.comment ? action.comment : boxes.comment,
                           .function = action.function ? action.function : boxes.operation,
                           .op = action.op ? action.op : boxes.operation,
                           .operand = action.operand ? action.operand : boxes.operand});
}

class EditTable : public ::testing::TestWithParam<EditCase> {};

TEST_P(EditTable, GridAndClosingSteps) {
    const EditCase& c = GetParam();
    CalcGrid grid = MakeGrid(c.before);
    ScriptedDialogs host;
    host.answers.assign(c.answers.begin(), c.answers.end());
    LineEditor editor(grid, host, host);

    const EditResult result = Act(editor, c.action);

    EXPECT_EQ(GridText(grid), GridText(MakeGrid(c.after)));
    EXPECT_EQ(std::tie(result.status, result.current_row, result.show_x),
              std::tie(c.status, c.current_row, c.show_x));
    EXPECT_EQ(result.follow_value, c.follow);
    EXPECT_EQ(host.prompts.size(), c.answers.size());
    EXPECT_EQ(host.messages, c.messages);
    EXPECT_EQ(result.operand_text, c.operand_text ? c.operand_text : result.operand_text);
}

const auto kCaseName = [](const auto& info) { return std::string(info.param.name); };
constexpr Verb kDelete = Verb::Delete;
constexpr EditStatus kRefused = EditStatus::Refused;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Delete, EditTable, ::testing::Values(
    EditCase{"FirstOperandTakesItsFunctionsAlong", "16; RCarrée 4; Carré 16; + 1; x 2; = 34",
             {kDelete, 0}, "1; x 2; = 2", 2, true, "2"},
    EditCase{"FunctionLineAlone", "16; RCarrée 4; Carré 16; + 1; = 17", {kDelete, 1},
             "16; Carré 256; + 1; = 257", 3, true, "257"},
    EditCase{"ChainLeftWithoutOperatorLosesItsResult", "3; + 4; = 7; + 5; = 12", {kDelete, 1},
             "3; + 5; = 8", 2, true, "8"},
    EditCase{"XGoesToTheChainAbove", "3; + 4; = 7; 5", {kDelete, 3}, "3; + 4; = 7", 2, true, "7"},
    EditCase{"OnlyLineEmptiesTheGrid", "3", {kDelete, 0}, "", 0, true},
    EditCase{"FileStartingWithAnOperator", "+ 3; + 4; = 7", {kDelete, 1}, "+ 3", 0, true, "3"},
    EditCase{"ResultIsRefused", "3; + 4; = 7", {kDelete, 2}, "3; + 4; = 7", 2, false, {}, kRefused},
    EditCase{"CancellationIsRefused", "3; Annulation", {kDelete, 1}, "3; Annulation", 1, false, {},
             kRefused},
    EditCase{"CancelFollowsTheLastChain", "3; + 4; = 7", {Verb::Cancel, 0}, "3; + 4; = 7", 2, true,
             "7"}),
    kCaseName);

INSTANTIATE_TEST_SUITE_P(Confirm, EditTable, ::testing::Values(
    EditCase{"OperandWithPoint", "3; + 4; = 7", {.row = 1, .operand = "5.50"}, "3; + 5,5; = 8,5", 2,
             true, "8,5", {}, {}, {}, "5,50"},
    EditCase{"NothingChanged", "3; + 4; = 9", {.row = 0, .op = "x"}, "3; + 4; = 9", 2, true, "9"},
    EditCase{"UnknownOperator", "3; + 4; + 1; = 8", {.row = 1, .op = "?"}, "3; ? 4; + 1; = 4", 3,
             true, "4"},
    EditCase{"ChainAboveAnotherIsNotFollowed", "3; + 4; = 7; 1; + 1; = 2",
             {.row = 1, .operand = "5"}, "3; + 5; = 8; 1; + 1; = 2", 1},
    EditCase{"WholeValueKeepsItsDecimalsLine", "1; + 2,789; Arrond 2,8 @1; = 3,8",
             {.row = 1, .operand = "5"}, "1; + 5; Arrond 5 @1; = 6", 3, true, "6"},
    EditCase{"ResultLineTakesOnlyItsComment", "3; + 4; = 99",
             {.row = 2, .operand = "1", .comment = " é"}, "3; + 4; = 99# é", 2, true, "99"},
    EditCase{"BlankOperatorIgnoredBlankCommentRemoved", "3; + 4#vu; = 7",
             {.row = 1, .op = " ", .comment = "   "}, "3; + 4; = 7", 2, true, "7"},
    EditCase{"UnchangedCommentIsKept", "3; + 4#vu  ", {.row = 1}, "3; + 4#vu  ", 1, true, "4"},
    EditCase{"InvalidOperandStoresOnlyTheComment", "3; + 4; = 7",
             {.row = 1, .op = "x", .operand = "1.2.3", .comment = "vu"}, "3; + 4#vu; = 7", 1, false,
             {}, EditStatus::InvalidOperand, {}, {kInvalidOperandMessage.data()}, "1,2,3"},
    EditCase{"CancellationIsRefused", "3; Annulation", {.row = 1, .comment = "x"}, "3; Annulation",
             1, false, {}, kRefused, {}, {kCancellationLineMessage.data()}},
    EditCase{"OpenRowIsRefused", "3", {.row = 1, .comment = "x"}, "3", 1, false, {}, kRefused},
    // Failures show as "Erreur!" in the grid, never as a message.
    // X follows "Erreur!" too: the calculation ends there.
    EditCase{"ErrorSpreadsOnward", "6; / 2; = 3; + 1; = 4; Int 4", {.row = 1, .operand = "0"},
             "6; / 0; = Erreur!; + 1; = Erreur!; Int Erreur!", 5, true, "Erreur!"},
    EditCase{"FunctionOverflowOfTheTotal", "2; e^x 7,38905609893065; + 1; = 8,38905609893065",
             {.row = 0, .operand = "1000"}, "1000; e^x Erreur!; + 1; = Erreur!", 3, true,
             "Erreur!"},
    EditCase{"OperandErrorEndsAtTheNextOperator", "1; + 4; 1/x 0,25; x 2; 1/x 0,5; = 2,5",
             {.row = 1, .operand = "0"}, "1; + 0; 1/x Erreur!; x 2; 1/x 0,5; = Erreur!", 5, true,
             "Erreur!"},
    EditCase{"FirstValueNotANumber", "abc; + 4; = 7", {.row = 1, .operand = "5"},
             "abc; + 5; = Erreur!", 2, true, "Erreur!"},
    EditCase{"CopiedOperandForms", "3; + 4; = 7", {.row = 1, .operand = " +1.234,5 \xE2\x82\xAC"},
             "3; + 1234,5; = 1237,5", 2, true, "1237,5"},
    EditCase{"TinyOperandIsZero", "3; + 4; = 7", {.row = 1, .operand = "1E-400"}, "3; + 0; = 3", 2,
             true, "3"},
    EditCase{"BadGroupingIsNoNumber", "3; + 4; = 7", {.row = 1, .operand = "1 23,5"},
             "3; + 4; = 7", 1, false, {}, EditStatus::InvalidOperand, {},
             {kInvalidOperandMessage.data()}, "1 23,5"},
    EditCase{"EmptyAnswerUsesTwo", "2,789; Int 2; + 1; = 3", {.row = 1, .function = "Arrond"},
             "2,789; Arrond 2,79 @2; + 1; = 3,79", 3, true, "3,79", {}, {""}},
    EditCase{"NegativeAnswerUsesTwo", "2,789; Int 2", {.row = 1, .function = "Décimal"},
             "2,789; Décimal 2,78 @2", 1, true, "2,78", {}, {"-3"}},
    EditCase{"DecimalsAskedAgainOnLettersAndFractions", "2,789; Int 2",
             {.row = 1, .function = "Arrond"}, "2,789; Arrond 2,8 @1", 1, true, "2,8", {},
             {"un", "1.4", "1"}},
    EditCase{"FunctionOutsideTheList", "1; + 3; Carré 9; = 10", {.row = 2, .function = "Quoi"},
             "1; + 3; f:Quoi 3; = 4", 3, true, "4"},
    EditCase{"BlankFunctionIsIgnored", "1; + 3; Carré 9", {.row = 2, .function = " "},
             "1; + 3; Carré 9", 2, true, "9"}),
    kCaseName);
// clang-format on

TEST(LineEdit, OpenFillsThePanel) {
    CalcGrid grid = MakeGrid("+ 3#début ; + 12,5; Carré 156,25; = 159,25#fin; Annulation; 5");
    using enum EditLayout;
    constexpr OpenStatus kOpened = OpenStatus::Opened;
    const LineOpening expected[] = {
        {kOpened, FirstOperand, "Edition de la ligne: + 3", "+", "3", "début", true, false},
        {kOpened, Operation, "Edition de la ligne: + 12,5", "+", "12,5", "", true, true},
        {kOpened, Function, "Edition de la ligne: Carré 156,25", "Carré", "", "", true, false},
        {kOpened, Result, "Edition de la ligne: = 159,25", "=", "", "fin", false, false},
        {OpenStatus::CancellationLine, Operation, "", "", "", ""},
        {kOpened, FirstOperand, "Edition de la ligne:  5", "", "5", "", true, false},
        {OpenStatus::OpenRow, Operation, "", "", "", ""}};
    auto fields = [](const LineOpening& o) {
        return std::tie(o.status, o.layout, o.caption, o.operation, o.operand, o.comment,
                        o.can_delete, o.operator_enabled);
    };
    ScriptedDialogs host;
    LineEditor editor(grid, host, host);
    for (int row = 0; row < 7; ++row) {
        EXPECT_EQ(fields(editor.Open(row)), fields(expected[row])) << "row " << row;
    }
    EXPECT_EQ(host.messages, std::vector<std::string>{kCancellationLineMessage.data()});
}

// Every chain the keypad records, with its first operand changed and changed
// back, must be recomputed into exactly the values the keypad wrote.
// A recalled third keeps its digits until the user types another value in
// its place; from then on the line counts with the text it shows.
TEST(LineEdit, AnEditedOperandCountsWithItsText) {
    EngineRig rig;
    rig.Type("1 / 3 = M1 C RM1 x 3 =");
    ASSERT_EQ(GridText(rig.grid),
              "|1|0; /|3|0; =|0,333333333333333|2; |0,333333333333333|0; x|3|0; =|1|2");
    LineEditor editor(rig.grid, rig.host, rig.host);
    editor.Confirm({.row = 3, .operand = "0.333333333333333"});
    EXPECT_EQ(rig.grid.Row(5).Value, "1") << "the same number typed again";
    editor.Confirm({.row = 3, .operand = "0,5"});
    EXPECT_EQ(rig.grid.Row(5).Value, "1,5");
    editor.Confirm({.row = 3, .operand = "0,333333333333333"});
    EXPECT_EQ(rig.grid.Row(5).Value, "0,999999999999999");
}

TEST(LineEdit, XFollowsTheEditedLastChainAndEndsOnAnError) {
    EngineRig rig;
    rig.Type("16 f:RCarrée");
    LineEditor editor(rig.grid, rig.host, rig.host);
    rig.engine.FollowValue(editor.Confirm({.row = 0, .operand = "25"}).follow_value.value_or(""));
    EXPECT_EQ(rig.engine.Display(), "5");
    EXPECT_EQ(rig.engine.State().X, 5.0);
    EXPECT_EQ(rig.engine.State().Entry, EntryState::Result);
    const EditResult failed = editor.Confirm({.row = 0, .operand = "-16"});
    rig.engine.FollowValue(failed.follow_value.value_or(""));
    EXPECT_EQ(rig.engine.Display(), "0");
    EXPECT_EQ(rig.engine.State().X, 0.0);
    EXPECT_EQ(rig.engine.State().Entry, EntryState::Cleared);
    rig.Type("+ 1 =");
    EXPECT_EQ(GridText(rig.grid), "|-16|0; RCarrée|Erreur!|1; |0|0; +|1|0; =|1|2");
}

}  // namespace
}  // namespace tallimo
