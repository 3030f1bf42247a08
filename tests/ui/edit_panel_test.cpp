// The edit panel driven as a user would: grid mode by the grid key, a line
// opened by Enter or a double-click, the boxes typed into, the buttons
// clicked.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <deque>

#include "app/frm_calc.h"
#include "appearance/ui/kst_gdi_ctl.h"
#include "engine/number_text.h"
#include "grid/ui/edit_panel.h"
#include "ui_test_app.h"

namespace tallimo::testing {
namespace {

struct Message {
    std::string text;
    MessageIcon icon;
    bool operator==(const Message&) const = default;
};

class Recorder : public MessageSink, public TextPrompt {
  public:
    void ShowMessage(std::string_view text, MessageIcon icon) override {
        messages.push_back({std::string(text), icon});
    }
    std::optional<std::string> AskText(std::string_view prompt,
                                       std::string_view default_answer) override {
        prompts.push_back(std::string(prompt) + "|" + std::string(default_answer));
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question";
            return std::nullopt;
        }
        std::optional<std::string> answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::vector<Message> messages;
    std::vector<std::string> prompts;
    std::deque<std::optional<std::string>> answers;
};

struct WithApp {
    WithApp() { App(); }
};

// Operation and value of a row, as the view shows them.
using Shown = std::pair<std::string, std::string>;
using Rows = std::vector<Shown>;

enum class Open { ByEnter, ByDoubleClick };

class EditPanelWindow : public ::testing::Test, private WithApp {
  protected:
    EditPanelWindow() {
        window.SetHostForTesting(&host, &host);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // Keys of the keypad: digits, + - x /, '=', 's' the sign, 'q' the square,
    // 'c' the reset.
    void Type(std::string_view script) {
        for (const char c : script) {
            KeyId key = KeyId::Cancel;
            if (c >= '0' && c <= '9') {
                key = static_cast<KeyId>(static_cast<int>(KeyId::Chiffre0) + (c - '0'));
            } else if (const auto op = std::string_view("+-x/").find(c); op != std::string::npos) {
                key =
                    static_cast<KeyId>(static_cast<int>(KeyId::Operateur0) + static_cast<int>(op));
            } else if (c == '=') {
                key = KeyId::Egal;
            } else if (c == 's') {
                key = KeyId::Signe;
            } else if (c == 'q') {
                key = KeyId::Fonction4;
            }
            QTest::mouseClick(window.KeyControl(key), Qt::LeftButton, {}, QPoint(13, 13));
        }
    }
    void EnterGridMode(std::string_view script) {
        Type(script);
        QTest::mouseClick(window.KeyControl(KeyId::Grille), Qt::LeftButton, {}, QPoint(13, 13));
        ASSERT_TRUE(window.InGridMode());
    }
    QModelIndex Index(int row, int column = 0) const {
        return window.GridView()->model()->index(row, column);
    }
    void OpenRow(int row, Open how = Open::ByEnter) {
        QTableView* view = window.GridView();
        if (how == Open::ByEnter) {
            view->setCurrentIndex(Index(row));
            QTest::keyClick(view, Qt::Key_Return);
        } else {
            // Through the platform, as a real double-click: its first press
            // makes the row current, without setCurrentIndex.
            const QPoint centre = view->visualRect(Index(row, 1)).center();
            QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {},
                               view->viewport()->mapTo(&window, centre));
        }
    }
    void Replace(QLineEdit* box, const char* text) {
        box->selectAll();
        QTest::keyClicks(box, QString::fromUtf8(text));
    }
    void Button(int index) { QTest::mouseClick(panel->ActionButton(index), Qt::LeftButton); }
    Rows Shown() const {
        const QAbstractItemModel* model = window.GridView()->model();
        Rows rows;
        for (int r = 0; r + 1 < model->rowCount(); ++r) {
            rows.emplace_back(Index(r, 0).data().toString().toStdString(),
                              Index(r, 1).data().toString().toStdString());
        }
        EXPECT_EQ(Index(model->rowCount() - 1, 1).data().toString(), "") << "the open row";
        return rows;
    }
    std::string Dial() const { return window.Dial()->text().toStdString(); }
    std::vector<CalcLine> Lines() const {
        std::vector<CalcLine> lines;
        for (int r = 0; r < window.Grid().RowCount(); ++r) {
            lines.push_back(window.Grid().Row(r));
        }
        return lines;
    }
    void ExpectClosed() const {
        EXPECT_FALSE(panel->IsOpen());
        EXPECT_TRUE(window.GridView()->isEnabled());
        EXPECT_EQ(QApplication::focusWidget(), window.GridView());
    }

    Recorder host;
    FrmCalc window;
    EditPanel* panel = window.Panel();
};

enum class Focus { FunctionBox, OperatorBox, OperandBox, CommentBox };

struct Placement {
    const char* kind;
    int row;
    Open how;
    const char* caption;
    QPoint function_frame;  // (-1, -1): hidden
    QPoint operator_frame;
    QPoint comment_frame;
    bool can_delete;
    bool operator_enabled;
    Focus focus;
    const char* name;  // in the function or operator box
    const char* operand;
};

TEST_F(EditPanelWindow, EachKindOfLineOpensItsOwnFramesAndFocus) {
    EnterGridMode("3+4=s");  // 3 | + 4 | = 7 | +/- -7
    const QPoint hidden(-1, -1);
    // Each case follows the previous one in the same window, so that a
    // button or box left disabled by one line shows on the next.
    // clang-format off
    const Placement cases[] = {
        {"function", 3, Open::ByEnter, "Edition de la ligne: +/- -7",
         {8, 24}, hidden, {8, 77}, true, true, Focus::FunctionBox, "+/-", ""},
        {"result", 2, Open::ByDoubleClick, "Edition de la ligne: = 7",
         hidden, hidden, {8, 24}, false, true, Focus::CommentBox, "", ""},
        {"first operand", 0, Open::ByDoubleClick, "Edition de la ligne:  3",
         hidden, {8, 24}, {8, 108}, true, false, Focus::OperandBox, "", "3"},
        {"operator", 1, Open::ByEnter, "Edition de la ligne: + 4",
         hidden, {8, 24}, {8, 108}, true, true, Focus::OperatorBox, "+", "4"},
    };
    // clang-format on
    const std::vector<CalcLine> before = Lines();
    for (const Placement& c : cases) {
        SCOPED_TRACE(c.kind);
        OpenRow(c.row, c.how);
        ASSERT_TRUE(panel->IsOpen());
        EXPECT_EQ(panel->geometry(), QRect(0, 0, 297, 361));
        EXPECT_EQ(panel->title().toStdString(), c.caption);
        EXPECT_FALSE(window.GridView()->isEnabled());
        EXPECT_EQ(window.GridView()->currentIndex().row(), c.row);
        auto place = [&](QWidget* frame) { return frame->isVisible() ? frame->pos() : hidden; };
        EXPECT_EQ(place(panel->FunctionFrame()), c.function_frame);
        EXPECT_EQ(place(panel->OperatorFrame()), c.operator_frame);
        EXPECT_EQ(place(panel->CommentFrame()), c.comment_frame);
        EXPECT_EQ(panel->ActionButton(0)->isEnabled(), c.can_delete);
        EXPECT_TRUE(panel->ActionButton(1)->isEnabled());
        EXPECT_TRUE(panel->ActionButton(1)->isDefault());
        if (c.operator_frame != hidden) {
            EXPECT_EQ(panel->OperatorBox()->isEnabled(), c.operator_enabled);
            EXPECT_EQ(panel->OperatorBox()->currentText().toStdString(), c.name);
            EXPECT_EQ(panel->OperandBox()->text().toStdString(), c.operand);
        } else if (c.function_frame != hidden) {
            EXPECT_EQ(panel->FunctionBox()->currentText().toStdString(), c.name);
        }
        EXPECT_TRUE(panel->CommentBox()->toPlainText().isEmpty());
        const QWidget* focus[] = {panel->FunctionBox(), panel->OperatorBox(), panel->OperandBox(),
                                  panel->CommentBox()};
        EXPECT_EQ(QApplication::focusWidget(), focus[static_cast<int>(c.focus)]);
        Button(2);
        ExpectClosed();
        EXPECT_FALSE(panel->FunctionFrame()->isVisible() || panel->OperatorFrame()->isVisible() ||
                     panel->CommentFrame()->isVisible());
    }
    EXPECT_EQ(Lines(), before);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(EditPanelWindow, CancellationLineAndOpenRowOpenNothing) {
    EnterGridMode("3+4=5+c");  // 3 | + 4 | = 7 | 5 | Annulation | open row
    const Message refused{"Ligne d'annulation. Edition impossible.", MessageIcon::None};
    for (const Open how : {Open::ByEnter, Open::ByDoubleClick}) {
        host.messages.clear();
        OpenRow(4, how);
        EXPECT_EQ(host.messages, std::vector<Message>{refused});
        EXPECT_FALSE(panel->IsOpen());
        EXPECT_TRUE(window.GridView()->isEnabled());
        OpenRow(5, how);
        EXPECT_EQ(host.messages.size(), 1u) << "the open row shows nothing";
        EXPECT_FALSE(panel->IsOpen());
        EXPECT_TRUE(window.GridView()->isEnabled());
    }
}

TEST_F(EditPanelWindow, OperandThatIsNoNumberKeepsThePanelOpen) {
    EnterGridMode("3+4=");
    OpenRow(1);
    QTest::keyClicks(panel->CommentBox(), "note");
    Replace(panel->OperandBox(), "1.2.3");
    Button(1);
    EXPECT_EQ(host.messages, std::vector<Message>({{"Vous n'avez pas saisi une donnée valide.",
                                                    MessageIcon::Critical}}));
    ASSERT_TRUE(panel->IsOpen());
    EXPECT_FALSE(window.GridView()->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), panel->OperandBox());
    EXPECT_EQ(panel->OperandBox()->text(), "1,2,3");
    EXPECT_EQ(Shown(), Rows({{"", "3"}, {"+", "4"}, {"=", "7"}}));
    EXPECT_EQ(window.Grid().Row(1).Comment, "          note") << "stored before the operand";
    // Typed again, the operand goes through; Enter is the OK button.
    Replace(panel->OperandBox(), "5");
    QTest::keyClick(panel->OperandBox(), Qt::Key_Return);
    ExpectClosed();
    EXPECT_EQ(Shown(), Rows({{"", "3"}, {"+", "5"}, {"=", "8"}}));
    EXPECT_EQ(window.Grid().Row(1).Comment, "          note");
    EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(EditPanelWindow, CancelAfterTypingLeavesTheLineUnchanged) {
    EnterGridMode("3+4=");
    const std::vector<CalcLine> before = Lines();
    for (const bool by_escape : {false, true}) {
        SCOPED_TRACE(by_escape ? "Escape" : "click");
        OpenRow(1);
        QTest::keyClick(panel->OperatorBox(), Qt::Key_Down);
        QTest::keyClick(panel->OperatorBox(), Qt::Key_Down);
        ASSERT_EQ(panel->OperatorBox()->currentText(), "x");
        Replace(panel->OperandBox(), "9");
        QTest::keyClicks(panel->CommentBox(), "abc");
        if (by_escape) {
            QTest::keyClick(panel->CommentBox(), Qt::Key_Escape);
        } else {
            Button(2);
        }
        ExpectClosed();
        EXPECT_EQ(Lines(), before);
        EXPECT_EQ(Dial(), "7");
    }
}

TEST_F(EditPanelWindow, DigitsTypedInThePanelNeverReachTheKeypad) {
    EnterGridMode("3+4=");
    const std::vector<CalcLine> before = Lines();
    OpenRow(1);
    QWidget* targets[] = {panel->ActionButton(1), panel->OperatorBox(), panel, &window};
    for (QWidget* target : targets) {
        for (const auto& [key, text] : {std::pair{Qt::Key_9, "9"}, std::pair{Qt::Key_G, "g"}}) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::KeypadModifier, QString::fromLatin1(text));
            QApplication::sendEvent(target, &press);
        }
    }
    QTest::keyClicks(panel->OperandBox(), "9");
    EXPECT_EQ(panel->OperandBox()->text(), "49") << "a digit in the operand box is typed";
    QTest::qWait(150);  // longer than a key's pressed look
    EXPECT_FALSE(window.KeysPending());
    EXPECT_EQ(Dial(), "7");
    EXPECT_TRUE(window.InGridMode());
    EXPECT_TRUE(panel->IsOpen());
    Button(2);
    EXPECT_EQ(Lines(), before);
}

TEST_F(EditPanelWindow, CommentIsStoredAsTheFileKeepsIt) {
    EnterGridMode("3+4=");
    OpenRow(2);  // the result line: the focus is in the comment
    QTest::keyClicks(QApplication::focusWidget(), "dit \"oui\"");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(QApplication::focusWidget(), "fin");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ExpectClosed();
    EXPECT_EQ(window.Grid().Row(2).Comment, "          dit ”oui”\r\nfin");
    EXPECT_FALSE(Index(2, 2).data(Qt::DecorationRole).isNull());
    EXPECT_EQ(Shown(), Rows({{"", "3"}, {"+", "4"}, {"=", "7"}}));

    OpenRow(2, Open::ByDoubleClick);
    EXPECT_EQ(panel->CommentBox()->toPlainText(), "dit ”oui”\nfin");
    panel->CommentBox()->selectAll();
    QTest::keyClicks(panel->CommentBox(), "   ");
    Button(1);
    EXPECT_EQ(window.Grid().Row(2).Comment, "") << "spaces only remove the comment";
    EXPECT_TRUE(Index(2, 2).data(Qt::DecorationRole).isNull());
}

struct OperandEdit {
    const char* script;
    int row;
    const char* typed;
    Rows after;
    const char* dial;  // right after closing, still in grid mode
};

void PrintTo(const OperandEdit& c, std::ostream* os) {
    *os << c.script << ", row " << c.row << " <- " << c.typed;
}

class OperandEdits : public EditPanelWindow, public ::testing::WithParamInterface<OperandEdit> {};

TEST_P(OperandEdits, RecomputeTheChainAndXFollowsTheLastOne) {
    const OperandEdit& c = GetParam();
    EnterGridMode(c.script);
    OpenRow(c.row, Open::ByDoubleClick);
    Replace(panel->OperandBox(), c.typed);
    Button(1);
    ExpectClosed();
    EXPECT_EQ(Shown(), c.after);
    EXPECT_EQ(Dial(), c.dial);
    EXPECT_TRUE(host.messages.empty()) << "no message box during a recalculation";
    // The reopened line shows its new operand.
    OpenRow(c.row);
    EXPECT_EQ(panel->OperandBox()->text().toStdString(), c.after[c.row].second);
    Button(2);
    // Back in calculator mode X is the shown value: it carries on from there.
    QTest::mouseClick(window.KeyControl(KeyId::Grille), Qt::LeftButton, {}, QPoint(13, 13));
    EXPECT_EQ(Dial(), c.dial);
    Type("+1=");
    EXPECT_EQ(window.Grid().Row(window.Grid().GridLine() - 1).Operation, "=");
    EXPECT_EQ(TextToNumber(Dial()), *TextToNumber(c.dial) + 1);
}

INSTANTIATE_TEST_SUITE_P(
    EditPanel, OperandEdits,
    ::testing::Values(OperandEdit{"3+4=", 1, "5.5", {{"", "3"}, {"+", "5,5"}, {"=", "8,5"}}, "8,5"},
                      // Not the last chain: X and the display stay.
                      OperandEdit{
                          "3+4=10x2=",
                          1,
                          "5",
                          {{"", "3"}, {"+", "5"}, {"=", "8"}, {"", "10"}, {"x", "2"}, {"=", "20"}},
                          "20"},
                      // "Erreur!" in the grid only; X keeps its value.
                      OperandEdit{"8/2=", 1, "0", {{"", "8"}, {"/", "0"}, {"=", "Erreur!"}}, "4"},
                      OperandEdit{"3+4=", 0, "-1", {{"", "-1"}, {"+", "4"}, {"=", "3"}}, "3"}));

struct Deletion {
    const char* script;
    int row;
    Rows after;
    const char* dial;
};

void PrintTo(const Deletion& c, std::ostream* os) {
    *os << c.script << ", delete row " << c.row;
}

class Deletions : public EditPanelWindow, public ::testing::WithParamInterface<Deletion> {};

TEST_P(Deletions, RemoveTheirRowsFromTheView) {
    const Deletion& c = GetParam();
    EnterGridMode(c.script);
    OpenRow(c.row);
    Button(0);
    ExpectClosed();
    EXPECT_EQ(Shown(), c.after);
    EXPECT_EQ(window.GridView()->model()->rowCount(), window.Grid().GridLine() + 1);
    EXPECT_EQ(window.GridView()->currentIndex().row(), std::max<int>(0, c.after.size() - 1));
    EXPECT_EQ(Dial(), c.dial);
    EXPECT_TRUE(host.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    EditPanel, Deletions,
    ::testing::Values(Deletion{"3+4=", 1, {{"", "3"}}, "3"},
                      Deletion{"3+4+5=", 1, {{"", "3"}, {"+", "5"}, {"=", "8"}}, "8"},
                      Deletion{"3+4=", 0, {{"", "4"}}, "4"},
                      Deletion{"3+4=s", 3, {{"", "3"}, {"+", "4"}, {"=", "7"}}, "7"},
                      // The square of 4 goes with it, and so does "=".
                      Deletion{"3+4q=", 1, {{"", "3"}}, "3"},
                      // The grid's only chain: nothing is left, X stays.
                      Deletion{"3q", 0, {}, "9"}));

struct DecimalsAnswer {
    std::vector<std::optional<std::string>> answers;
    const char* decimals;
    const char* value;
};

void PrintTo(const DecimalsAnswer& c, std::ostream* os) {
    for (const auto& answer : c.answers) {
        *os << (answer ? '"' + *answer + '"' : std::string("cancel")) << ' ';
    }
}

class DecimalsAnswers : public EditPanelWindow,
                        public ::testing::WithParamInterface<DecimalsAnswer> {};

TEST_P(DecimalsAnswers, AreAskedWhenAFunctionBecomesArrond) {
    const DecimalsAnswer& c = GetParam();
    EnterGridMode("2/3=s");  // 2 | / 3 | = 0,666… | +/- -0,666…
    OpenRow(3);
    QTest::keyClicks(panel->FunctionBox(), "Arr");
    ASSERT_EQ(panel->FunctionBox()->currentText(), "Arrond");
    host.answers.assign(c.answers.begin(), c.answers.end());
    Button(1);
    ExpectClosed();
    EXPECT_EQ(host.prompts,
              std::vector<std::string>(c.answers.size(), "Nombre de décimales à utiliser:|2"));
    const CalcLine& line = window.Grid().Row(3);
    EXPECT_EQ(line.Operation, "Arrond");
    EXPECT_EQ(line.Decimals, c.decimals);
    EXPECT_EQ(line.Value, c.value);
    EXPECT_EQ(Dial(), c.value);
}

INSTANTIATE_TEST_SUITE_P(EditPanel, DecimalsAnswers,
                         ::testing::Values(DecimalsAnswer{{""}, "2", "0,67"},
                                           DecimalsAnswer{{std::nullopt}, "2", "0,67"},
                                           DecimalsAnswer{{"-1"}, "2", "0,67"},
                                           DecimalsAnswer{{"deux", "3"}, "3", "0,667"}));

}  // namespace
}  // namespace tallimo::testing
