// The edit panel driven as a user would: grid mode by the grid key, a line
// opened by Enter or a double-click, the boxes typed into, the buttons
// clicked. The recalculation rules themselves are proven on the grid alone.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>

#include "gridwork/ui/edit_panel.h"
#include "window_fixture.h"

namespace tallimo::testing {
namespace {

class EditPanelTest : public WindowTest {
  protected:
    EditPanelTest() { EXPECT_TRUE(QTest::qWaitForWindowActive(&window)); }  // for the focus
    QModelIndex Index(int row, int column = 0) const {
        return window.GridView()->model()->index(row, column);
    }
    void OpenRow(int row) {  // by Enter
        window.GridView()->setCurrentIndex(Index(row));
        QTest::keyClick(window.GridView(), Qt::Key_Return);
    }
    // Through the window, so that the press makes the row current.
    void DoubleClick(int row) {
        const QWidget* viewport = window.GridView()->viewport();
        const QPoint centre = window.GridView()->visualRect(Index(row, 1)).center();
        QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {},
                           viewport->mapTo(&window, centre));
    }
    void Button(int index) { QTest::mouseClick(panel->ActionButton(index), Qt::LeftButton); }
    // Operation and value of each row the view shows, the empty open row
    // last: "3; + 4; = 7; ".
    QString Shown() const {
        QStringList rows;
        for (int r = 0; r < window.GridView()->model()->rowCount(); ++r) {
            rows << (Index(r, 0).data().toString() + " " + Index(r, 1).data().toString()).trimmed();
        }
        return rows.join("; ");
    }
    void ExpectClosed() const {
        EXPECT_FALSE(panel->IsOpen());
        EXPECT_TRUE(window.GridView()->isEnabled());
        EXPECT_EQ(QApplication::focusWidget(), window.GridView());
    }

    EditPanel* panel = window.Panel();
};

// In one window, so that a box or button left disabled by one line shows on
// the next.
TEST_F(EditPanelTest, EachKindOfLineOpensItsOwnFramesAndFocus) {
    Type("3+4=sg");  // 3 | + 4 | = 7 | +/- -7
    struct Case {
        int row;
        const char* frames;  // shown: function, operator, comment
        bool can_delete, operator_enabled;
        QWidget* focus;
    };
    const Case cases[] = {{3, "fc", true, true, panel->FunctionBox()},
                          {2, "c", false, true, panel->CommentBox()},
                          {0, "oc", true, false, panel->OperandBox()},
                          {1, "oc", true, true, panel->OperatorBox()}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        const QString op = Index(c.row, 0).data().toString();
        const QString value = Index(c.row, 1).data().toString();
        DoubleClick(c.row);
        ASSERT_TRUE(panel->IsOpen());
        EXPECT_EQ(panel->title(), "Edition de la ligne: " + op + " " + value);
        EXPECT_FALSE(window.GridView()->isEnabled());
        EXPECT_EQ(window.GridView()->currentIndex().row(), c.row);
        const bool function = panel->FunctionFrame()->isVisible();
        const bool operation = panel->OperatorFrame()->isVisible();
        EXPECT_EQ(QString(function ? "f" : "") + (operation ? "o" : "") +
                      (panel->CommentFrame()->isVisible() ? "c" : ""),
                  c.frames);
        EXPECT_EQ(panel->ActionButton(0)->isEnabled(), c.can_delete);
        if (function) {
            EXPECT_EQ(panel->FunctionBox()->currentText(), op);
        } else if (operation) {
            EXPECT_EQ(panel->OperatorBox()->currentText() + "|" + panel->OperandBox()->text(),
                      op + "|" + value);
            EXPECT_EQ(panel->OperatorBox()->isEnabled(), c.operator_enabled);
        }
        EXPECT_EQ(QApplication::focusWidget(), c.focus);
        Button(2);
        ExpectClosed();
    }
}

TEST_F(EditPanelTest, AltLettersPressThePanelButtonsBeforeTheMenus) {
    Type("3+4=g");
    OpenRow(1);
    ASSERT_TRUE(panel->IsOpen());
    QTest::keyClicks(panel->OperandBox(), "9");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::AltModifier);
    ExpectClosed();
    EXPECT_EQ(Shown(), "3; + 4; = 7; ") << "Annuler changes nothing";
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "no menu opened";
    OpenRow(1);
    QTest::keyClick(panel->OperandBox(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(panel->OperandBox(), "9");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::AltModifier);
    ExpectClosed();
    EXPECT_EQ(Shown(), "3; + 9; = 12; ");
}

TEST_F(EditPanelTest, RefusedLineOrOperandShowsItsMessageAndTheCommentStays) {
    Type("3+4=5+cg");  // 3 | + 4 | = 7 | 5 | Annulation | open row
    OpenRow(4);        // the cancellation line
    OpenRow(5);        // the open row: nothing
    ExpectClosed();
    OpenRow(1);
    QTest::keyClicks(panel->CommentBox(), "dit \"oui\"");
    QTest::keyClick(panel->CommentBox(), Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(panel->CommentBox(), "fin");
    QTest::keyClicks(panel->OperandBox(), ".2.3");  // after the 4
    Button(1);
    EXPECT_EQ(host.dialogs.messages,
              std::vector<std::string>({"Ligne d'annulation. Edition impossible.",
                                        "Vous n'avez pas saisi une donnée valide."}));
    EXPECT_EQ(host.dialogs.icons, std::vector({MessageIcon::None, MessageIcon::Critical}));
    ASSERT_TRUE(panel->IsOpen());
    EXPECT_FALSE(window.GridView()->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), panel->OperandBox());
    EXPECT_EQ(panel->OperandBox()->text(), "4,2,3");
    EXPECT_EQ(Shown(), "3; + 4; = 7; 5; Annulation; ");
    // The operand is shown as read and selected: typing replaces it, and
    // Enter is the OK button.
    QTest::keyClicks(panel->OperandBox(), "5");
    QTest::keyClick(panel->OperandBox(), Qt::Key_Return);
    ExpectClosed();
    EXPECT_EQ(Shown(), "3; + 5; = 8; 5; Annulation; ");
    // Kept as the file keeps it, with its picture.
    EXPECT_EQ(window.Grid().Row(1).Comment, "          dit ”oui”\r\nfin");
    EXPECT_FALSE(Index(1, 2).data(Qt::DecorationRole).isNull());
    DoubleClick(1);
    EXPECT_EQ(panel->CommentBox()->toPlainText(), "dit ”oui”\nfin");
    QTest::keyClick(panel->CommentBox(), Qt::Key_Return);  // OK too
    ExpectClosed();
}

TEST_F(EditPanelTest, AnnulerLeavesTheLineAndKeysNeverReachTheKeypad) {
    Type("3+4=g");
    const std::vector<CalcLine> before = window.Grid().Rows();
    // nullptr: the button; otherwise Escape in that box.
    for (QWidget* escape_in :
         std::initializer_list<QWidget*>{nullptr, panel->CommentBox(), panel->OperandBox()}) {
        SCOPED_TRACE(escape_in ? escape_in->objectName().toStdString() : "button");
        OpenRow(1);
        QTest::keyClick(panel->OperatorBox(), Qt::Key_Down);
        QTest::keyClicks(panel->OperandBox(), "9");
        QTest::keyClicks(panel->CommentBox(), "abc");
        for (QWidget* target : std::initializer_list<QWidget*>{
                 panel->ActionButton(1), panel->OperatorBox(), panel, &window}) {
            QTest::keyClicks(target, "9g", Qt::KeypadModifier);
        }
        EXPECT_EQ(panel->OperatorBox()->currentText() + panel->OperandBox()->text(), "-49");
        host.EndPauses();
        EXPECT_FALSE(window.KeysPending());
        EXPECT_TRUE(window.InGridMode());
        EXPECT_EQ(window.Dial()->text(), "7");
        ASSERT_TRUE(panel->IsOpen());
        escape_in ? QTest::keyClick(escape_in, Qt::Key_Escape) : Button(2);
        ExpectClosed();
        EXPECT_EQ(window.Grid().Rows(), before);
    }
}

// An operand or a function changed, or the line deleted: the view, the
// current row, the dial right after, and X back in calculator mode.
struct Change {
    const char* name;
    const char* script;
    int row;
    const char* function;  // typed in its box
    const char* operand;   // typed in its box; both nullptr: Supprimer
    const char* after;     // as shown
    int current;
    const char* dial;
    const char* plus_one;  // "+1=" typed back in calculator mode
};

void PrintTo(const Change& c, std::ostream* os) {
    *os << c.name;
}

class Changes : public EditPanelTest, public ::testing::WithParamInterface<Change> {};

TEST_P(Changes, RecomputeTheViewAndXFollowsOnlyTheLastChain) {
    const Change& c = GetParam();
    host.dialogs.otherwise = "";  // decimals asked for: two
    Type(std::string(c.script) + "g");
    DoubleClick(c.row);
    if (c.function) {
        QTest::keyClicks(panel->FunctionBox(), c.function);
    } else if (c.operand) {
        panel->OperandBox()->clear();
        QTest::keyClicks(panel->OperandBox(), c.operand);
    }
    Button(c.function || c.operand ? 1 : 0);
    ExpectClosed();
    EXPECT_EQ(host.dialogs.prompts.size(), c.function ? 1 : 0) << "Arrond asks for its decimals";
    EXPECT_EQ(Shown(), c.after);
    EXPECT_EQ(window.GridView()->currentIndex().row(), c.current);
    EXPECT_EQ(window.Dial()->text(), c.dial);
    EXPECT_TRUE(host.dialogs.messages.empty());
    Type("g+1=");
    EXPECT_EQ(window.Dial()->text(), c.plus_one);
}

INSTANTIATE_TEST_SUITE_P(
    EditPanel, Changes,
    ::testing::Values(
        Change{"Operand", "3+4=", 1, nullptr, "5.5", "3; + 5,5; = 8,5; ", 2, "8,5", "9,5"},
        // Not the last chain: the 5 being typed stays on the dial.
        Change{"NotTheLastChain", "3+4=10x2=5", 1, nullptr, "5", "3; + 5; = 8; 10; x 2; = 20; ", 1,
               "5", "6"},
        // The last calculation ends in "Erreur!": X = 0, as after opening
        // such a file, never the value the grid no longer shows.
        Change{"LastChainEndsInError", "8/2=", 1, nullptr, "0", "8; / 0; = Erreur!; ", 2, "0", "1"},
        Change{"DeleteLastOperator", "3+4=", 1, nullptr, nullptr, "3; ", 0, "3", "4"},
        // Nothing left in the grid; X stays.
        Change{"DeleteTheOnlyChain", "3q", 0, nullptr, nullptr, "", 0, "9", "10"},
        Change{"Arrond", "2/3=s", 3, "Arr", nullptr, "2; / 3; = 0,666666666666667; Arrond 0,67; ",
               3, "0,67", "1,67"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tallimo::testing
