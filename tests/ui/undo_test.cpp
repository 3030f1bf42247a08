// Undo and redo of the grid's changes, as a user meets them: each kind of
// change undone and redone, the keypad going on from the state undone to,
// and the keys of both modes.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "gridwork/ui/edit_panel.h"
#include "window_fixture.h"

namespace tallimo::testing {
namespace {

class Undo : public WindowTest {
  public:
    using WindowTest::Type;  // for the changes below
    Undo() { EXPECT_TRUE(QTest::qWaitForWindowActive(&window)); }
    // Operation and value of every recorded line: "3; + 4; = 7".
    std::string Tape() const {
        std::string text;
        for (int r = 0; r < window.Grid().GridLine(); ++r) {
            const CalcLine& line = window.Grid().Row(r);
            text +=
                (r ? "; " : "") + (line.Operation.empty() ? "" : line.Operation + " ") + line.Value;
        }
        return text;
    }
    std::string Dial() const { return window.Dial()->text().toStdString(); }
    void Do(MenuCommand command) { window.Run(command); }
    // Opens a line in grid mode, types a new operand and confirms it.
    void EditOperand(int row, const char* operand) {
        window.GridView()->setCurrentIndex(window.GridView()->model()->index(row, 0));
        QTest::keyClick(window.GridView(), Qt::Key_Return);
        EditPanel* panel = window.Panel();
        ASSERT_TRUE(panel->IsOpen());
        panel->OperandBox()->setText(QString::fromLatin1(operand));
        panel->ActionButton(1)->click();
    }
};

TEST_F(Undo, EachKindOfChangeComesBackAndGoesAgain) {
    struct Case {
        const char* what;
        std::function<void(Undo&)> change;
        const char* changed_tape;
    };
    const Case cases[] = {
        {"a line confirmed, its chain recomputed",
         [](Undo& t) {
             t.Type("g");
             t.EditOperand(1, "40");
             t.Type("g");
         },
         "3; + 40; = 43; 5; x 2; = 10; 8; Annulation"},
        {"Grille vierge", [](Undo& t) { t.Do(MenuCommand::BlankGrid); }, ""},
        {"the removal of cancelled calculations",
         [](Undo& t) { t.Do(MenuCommand::RemoveCancelled); }, "3; + 4; = 7; 5; x 2; = 10"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Do(MenuCommand::BlankGrid);
        Type("3+4=5x2=8+1c");
        const std::string before_tape = Tape();
        const std::string before_dial = Dial();
        c.change(*this);
        ASSERT_EQ(Tape(), c.changed_tape);
        const std::string changed_dial = Dial();
        ASSERT_TRUE(window.MenuItem(MenuCommand::Undo)->isEnabled());
        EXPECT_FALSE(window.MenuItem(MenuCommand::Redo)->isEnabled());

        Do(MenuCommand::Undo);
        EXPECT_EQ(Tape(), before_tape);
        EXPECT_EQ(Dial(), before_dial);
        EXPECT_TRUE(window.MenuItem(MenuCommand::Redo)->isEnabled());
        Do(MenuCommand::Redo);
        EXPECT_EQ(Tape(), c.changed_tape);
        EXPECT_EQ(Dial(), changed_dial);
    }
}

TEST_F(Undo, TheKeypadGoesOnFromTheStateUndoneTo) {
    Type("3+4=");
    Do(MenuCommand::BlankGrid);
    Type("9+1=");
    Do(MenuCommand::Undo);
    EXPECT_EQ(Tape(), "3; + 4; = 7");
    EXPECT_EQ(Dial(), "7");
    EXPECT_EQ(window.Engine().State().Entry, EntryState::Result);
    Type("+1=");
    EXPECT_EQ(Tape(), "3; + 4; = 7; + 1; = 8");
    EXPECT_FALSE(window.MenuItem(MenuCommand::Redo)->isEnabled())
        << "a keypad step after an undo: the undone state cannot come back over it";
}

TEST_F(Undo, NothingIsUndoneDuringACalculationAndKeypadStepsAreNotUndone) {
    Type("3+4=");
    Do(MenuCommand::BlankGrid);
    Type("9+");
    EXPECT_FALSE(window.MenuItem(MenuCommand::Undo)->isEnabled());
    Do(MenuCommand::Undo);
    EXPECT_EQ(Tape(), "9");
    Type("1=");
    Do(MenuCommand::Undo);
    EXPECT_EQ(Tape(), "3; + 4; = 7");
    EXPECT_FALSE(window.MenuItem(MenuCommand::Undo)->isEnabled()) << "the keypad steps are no step";
}

TEST_F(Undo, OpeningAFileIsUndoneWithItsName) {
    QTemporaryDir folder;
    const QString path = folder.filePath("f.dat");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\"Kestrone Application Virelle\"\r\n\"1.5.0\"\r\n0,\"\",\"2\",\"\",\"\"\r\n");
    file.close();
    Type("3+4=");
    window.OpenFile(path);
    EXPECT_EQ(Tape(), "2");
    Do(MenuCommand::Undo);
    EXPECT_EQ(Tape(), "3; + 4; = 7");
    EXPECT_EQ(window.windowTitle(), "Tallimo");
    Do(MenuCommand::Redo);
    EXPECT_EQ(window.windowTitle(), "Tallimo - f.dat");
}

TEST_F(Undo, CtrlZAndCtrlYWorkFromTheGridAndCtrlYIsNeverThePower) {
    Type("3+4=g");
    EditOperand(1, "5");
    ASSERT_EQ(Tape(), "3; + 5; = 8");
    QTest::keyClick(window.GridView(), Qt::Key_Z, Qt::ControlModifier);
    host.EndPauses();
    EXPECT_EQ(Tape(), "3; + 4; = 7");
    EXPECT_TRUE(window.InGridMode());
    EXPECT_EQ(window.GridView()->CurrentRow(), 2);
    QTest::keyClick(window.GridView(), Qt::Key_Y, Qt::ControlModifier);
    host.EndPauses();
    EXPECT_EQ(Tape(), "3; + 5; = 8");
    Type("g2");
    ASSERT_TRUE(window.MenuItem(MenuCommand::Undo)->isEnabled());
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    host.EndPauses();
    EXPECT_EQ(Tape(), "3; + 4; = 7");
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    host.EndPauses();
    EXPECT_EQ(Tape(), "3; + 5; = 8");
    EXPECT_NE(window.Grid().OpenRow().Operation, "x^y");
}

}  // namespace
}  // namespace tallimo::testing
