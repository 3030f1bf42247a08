#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "converter/ui/frm_hod.h"
#include "converter/ui/kst_d_grid.h"
#include "converter/ui/kst_scroll_rgn.h"
#include "fake_host.h"
#include "printed_names.h"
#include "ui_test_app.h"

namespace tallimo {
namespace {

using testing::FakeHost;

// The converter as the menu command opens it.
class Converter : public ::testing::Test {
  protected:
    Converter() {
        OpenConverter(window_, host_, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowActive(window_));
        grid_ = window_->Grid();
    }
    ~Converter() override { delete window_; }

    QLineEdit* F(int row, Column column) const { return grid_->Field(row, column); }
    // The row as "hexa|octal|decimal", from its fields.
    QString Shown(int row) const {
        return F(row, Column::Hexa)->text() + '|' + F(row, Column::Octal)->text() + '|' +
               F(row, Column::Dec)->text();
    }
    // Each character as a key that types it.
    void Type(int row, Column column, const QString& keys) {
        for (const QChar c : keys) {
            const auto key = static_cast<Qt::Key>(c.toUpper().unicode());
            for (const auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent event(type, key, Qt::NoModifier, QString(c));
                QApplication::sendEvent(F(row, column), &event);
            }
        }
    }
    // Runs a command of the field's own context menu, found by its text
    // without accelerator and shortcut ("Paste"; the tests load no
    // translation).
    void RunMenu(int row, Column column, const QString& command) {
        ASSERT_LE(row, grid_->LastRow());
        const std::unique_ptr<QMenu> menu(F(row, column)->createStandardContextMenu());
        for (QAction* action : menu->actions()) {
            if (action->text().section('\t', 0, 0).remove('&') == command) {
                ASSERT_TRUE(action->isEnabled()) << command.toStdString();
                action->trigger();
                return;
            }
        }
        FAIL() << "no " << command.toStdString();
    }
    // Types a digit in the last row, which brings a new one, until there are
    // `rows` rows.
    void GrowTo(int rows) {
        while (grid_->LastRow() < rows) {
            Type(grid_->LastRow(), Column::Dec, "1");
        }
    }
    // Whether the field lies wholly inside the region's visible area.
    bool InView(QLineEdit* field) const {
        const QWidget* viewport = grid_->Region()->viewport();
        const QRect area(field->mapTo(viewport, QPoint(0, 0)), field->size());
        return viewport->rect().contains(area);
    }

    QApplication& app_ = testing::App();
    FakeHost host_;
    QPointer<FrmHOD> window_;
    KstDGrid* grid_ = nullptr;
};

struct TypingCase {
    Column column;
    const char* keys;
    const char* shown;  // the row after the keys
};

void PrintTo(const TypingCase& c, std::ostream* os) {
    *os << (c.column == Column::Hexa    ? "hexa "
            : c.column == Column::Octal ? "octal "
                                        : "dec ")
        << c.keys;
}

class TypingInAColumn : public Converter, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(TypingInAColumn, ConvertsTheRowAndDropsRefusedKeys) {
    const TypingCase c = GetParam();
    Type(1, c.column, QString::fromUtf8(c.keys));
    EXPECT_EQ(Shown(1), QString::fromUtf8(c.shown));
    EXPECT_EQ(grid_->LastRow(), 2);
    EXPECT_EQ(Shown(2), "||");
}

INSTANTIATE_TEST_SUITE_P(
    Keys, TypingInAColumn,
    ::testing::Values(TypingCase{Column::Dec, "-1,5 .2é+", "98|230|152"},
                      TypingCase{Column::Hexa, "ffg", "ff|377|255"},
                      TypingCase{Column::Octal, "1890", "8|10|8"},
                      TypingCase{Column::Dec, "21474836470",
                                 "<Saisie non valide>|<Saisie non valide>|<Saisie non valide>"}),
    ::tallimo::testing::PrintedName());

TEST_F(Converter, ClearingAFieldEmptiesItsRow) {
    Type(1, Column::Hexa, "1A");
    QTest::keyClick(F(1, Column::Hexa), Qt::Key_Backspace);
    EXPECT_EQ(Shown(1), "1|1|1");
    QTest::keyClick(F(1, Column::Hexa), Qt::Key_Home);
    QTest::keyClick(F(1, Column::Hexa), Qt::Key_Delete);
    EXPECT_EQ(Shown(1), "||");
    EXPECT_EQ(grid_->LastRow(), 2);
}

// Paste, cut, undo and redo convert like keys, from the keyboard as from the
// context menu, and pasted text goes through the column's filter as typed
// keys do; copying works.
TEST_F(Converter, KeyboardAndContextMenuEditsConvertAndPastedTextIsFiltered) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText("FF");
    QTest::keyClick(F(1, Column::Octal), Qt::Key_V, Qt::ControlModifier);  // no octal digit
    EXPECT_EQ(Shown(1), "||");
    EXPECT_EQ(grid_->LastRow(), 1);
    QTest::keyClick(F(1, Column::Hexa), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Shown(1), "FF|377|255");
    EXPECT_EQ(grid_->LastRow(), 2);

    clipboard->setText(" 1 2a-3,\n");
    QTest::keyClick(F(2, Column::Dec), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(Shown(2), "7B|173|123");
    clipboard->setText("x4y");
    F(2, Column::Dec)->setCursorPosition(1);
    RunMenu(2, Column::Dec, "Paste");
    EXPECT_EQ(Shown(2), "58F|2617|1423");
    EXPECT_EQ(F(2, Column::Dec)->cursorPosition(), 2);

    // Beyond 32 bits the row fails, pasted as typed, and adds no row until
    // it is cleared.
    clipboard->setText("21474836470");
    RunMenu(3, Column::Dec, "Paste");
    EXPECT_EQ(Shown(3), "<Saisie non valide>|<Saisie non valide>|<Saisie non valide>");
    EXPECT_EQ(grid_->LastRow(), 3);
    QTest::keyClick(F(3, Column::Dec), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(F(3, Column::Dec), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Shown(3), "||");
    EXPECT_EQ(grid_->LastRow(), 4);

    Type(4, Column::Dec, "12");
    QTest::keyClick(F(4, Column::Dec), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Shown(4), "||");
    QTest::keyClick(F(4, Column::Dec), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Shown(4), "C|14|12");
    RunMenu(4, Column::Dec, "Undo");
    EXPECT_EQ(Shown(4), "||");
    RunMenu(4, Column::Dec, "Redo");
    EXPECT_EQ(Shown(4), "C|14|12");

    QTest::keyClick(F(1, Column::Octal), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(F(1, Column::Octal), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), "377");
    QTest::keyClick(F(1, Column::Octal), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Shown(1), "||");
    QTest::keyClick(F(1, Column::Octal), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Shown(1), "FF|377|255");
}

TEST_F(Converter, UpAndDownMoveWithinAColumnAndBringTheFieldBack) {
    GrowTo(3);
    F(2, Column::Octal)->setFocus();
    const std::pair<Qt::Key, const char*> steps[] = {{Qt::Key_Up, "txtOctal1"},
                                                     {Qt::Key_Up, "txtOctal1"},
                                                     {Qt::Key_Down, "txtOctal2"},
                                                     {Qt::Key_Down, "txtOctal3"},
                                                     {Qt::Key_Down, "txtOctal3"}};
    for (const auto& [key, focused] : steps) {
        QTest::keyClick(QApplication::focusWidget(), key);
        ASSERT_EQ(QApplication::focusWidget()->objectName(), focused);
    }
    // The focus left the table and is given back to it.
    F(3, Column::Octal)->clearFocus();
    grid_->setFocus();
    EXPECT_EQ(QApplication::focusWidget(), F(3, Column::Octal));
    EXPECT_EQ(grid_->CurrentField(), F(3, Column::Octal));
}

// The bar comes when the rows stop fitting, and reaches every row, far
// past the 115th, where a 16-bit extent would give out.
TEST_F(Converter, ScrollBarAppearsWhenRowsNoLongerFitAndReachesEveryRow) {
    KstScrollRgn* region = grid_->Region();
    QScrollBar* bar = region->verticalScrollBar();
    const int fitting = region->viewport()->height() / 19;
    GrowTo(fitting);
    QCoreApplication::processEvents();  // the bar comes and goes after the event
    EXPECT_FALSE(bar->isVisible());
    GrowTo(fitting + 1);
    QCoreApplication::processEvents();
    EXPECT_TRUE(bar->isVisible());

    GrowTo(125);
    EXPECT_EQ(bar->maximum(), 125 * 19 - region->viewport()->height());
    EXPECT_TRUE(InView(F(124, Column::Dec)));  // the row typed in last
    F(1, Column::Octal)->setFocus();
    EXPECT_EQ(bar->value(), 0);
    // A click beside the thumb moves three rows, an arrow one.
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(bar->value(), 76);
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(bar->value(), 19);
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(bar->value(), 0);
    for (int row = 2; row <= 125; ++row) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        ASSERT_TRUE(InView(F(row, Column::Octal))) << row;
        ASSERT_TRUE(bar->value() % 57 == 0 || bar->value() == bar->maximum())
            << "page steps of three rows";
    }
    EXPECT_EQ(bar->value(), bar->maximum());
    QTest::keyClick(F(125, Column::Octal), Qt::Key_PageDown);
    EXPECT_EQ(bar->value(), bar->maximum());
    F(1, Column::Dec)->setFocus();
    EXPECT_TRUE(InView(F(1, Column::Dec)));
}

// A screen reader tells each field by its column and row.
TEST_F(Converter, FieldsAreNamedByColumnAndRowAndTheFirstHasTheFocus) {
    GrowTo(3);
    EXPECT_EQ(F(3, Column::Hexa)->accessibleName(), "Hexadécimal 3");
    EXPECT_EQ(F(3, Column::Octal)->accessibleName(), "Octal 3");
    EXPECT_EQ(F(3, Column::Dec)->accessibleName(), "Décimal 3");
    EXPECT_EQ(F(1, Column::Hexa), QApplication::focusWidget());
}

TEST_F(Converter, MenuCommandBringsTheWindowBackAndStartsAfreshAfterClose) {
    Type(1, Column::Dec, "5");
    window_->showMinimized();
    FrmHOD* first = window_;
    EXPECT_EQ(&OpenConverter(window_, host_, nullptr), first);
    EXPECT_FALSE(window_->isMinimized());
    EXPECT_EQ(grid_->LastRow(), 2);

    window_->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window_.isNull());
    FrmHOD& again = OpenConverter(window_, host_, nullptr);
    EXPECT_EQ(again.Grid()->LastRow(), 1);
    EXPECT_EQ(again.Grid()->Field(1, Column::Dec)->text(), "");
}

}  // namespace
}  // namespace tallimo
