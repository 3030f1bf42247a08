#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QKeySequence>
#include <QLabel>
#include <QTest>

#include "dates/ui/calendar.h"
#include "dates/ui/day_cell.h"
#include "printed_names.h"
#include "ui_test_app.h"

namespace tallimo {
namespace {

CalendarDate Day(int day, int month, int year) {
    return *CalendarDate::FromYmd(year, month, day);
}

// A shown calendar and what it told its container, in order.
class ShownCalendar : public ::testing::Test {
  protected:
    void SetUp() override {
        calendar_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&calendar_));
        QObject::connect(&calendar_, &Calendar::Change, [this](bool by_user) {
            events_ += by_user ? "change(user) " : "change(program) ";
        });
        QObject::connect(&calendar_, &Calendar::DateClick, [this] { events_ += "dateclick "; });
        QObject::connect(&calendar_, &Calendar::Click, [this] { events_ += "click "; });
    }

    // Selects `day` by program and forgets the event.
    void Select(CalendarDate day) {
        calendar_.SetValue(day);
        events_.clear();
    }

    DayCell* Cell(int index) {
        return calendar_.findChild<DayCell*>(QStringLiteral("lblJour%1").arg(index));
    }
    QWidget* Arrow(int index) {
        return calendar_.findChild<QWidget*>(QStringLiteral("imaNav%1").arg(index));
    }
    QString Title() { return calendar_.findChild<QLabel*>(QStringLiteral("lblTitre"))->text(); }
    // The day numbers shown, grey ones in brackets.
    QString Page() {
        QStringList texts;
        for (int i = 0; i < kCalendarCells; ++i) {
            const bool grey = Cell(i)->TextColor() == QColor(0x80, 0x80, 0x80);
            texts << (grey ? "(" + Cell(i)->Text() + ")" : Cell(i)->Text());
        }
        return texts.join(' ');
    }
    void ClickCell(int index) { QTest::mouseClick(Cell(index), Qt::LeftButton); }

    QApplication& app_ = testing::App();
    Calendar calendar_;
    std::string events_;
};

TEST_F(ShownCalendar, StartsOnTodayAtItsFixedSize) {
    EXPECT_EQ(calendar_.Value(), Today());
    const QSize designed = calendar_.size();
    calendar_.resize(400, 400);
    EXPECT_EQ(calendar_.size(), designed);
    QStringList headings;
    for (int i = 0; i < kCalendarColumns; ++i) {
        headings << calendar_.findChild<QLabel*>(QStringLiteral("lblTête%1").arg(i))->text();
    }
    EXPECT_EQ(headings.join(' '), "lun mar mer jeu ven sam dim");
}

// The first day under its weekday, the neighbouring months in grey.
TEST_F(ShownCalendar, ShowsTheMonthOfItsDay) {
    // 1 February 2010 is a Monday: a week of January first.
    Select(Day(10, 2, 2010));
    EXPECT_EQ(Title(), "février 2010");
    EXPECT_EQ(Page(),
              "(25) (26) (27) (28) (29) (30) (31) 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 "
              "20 21 22 23 24 25 26 27 28 (1) (2) (3) (4) (5) (6) (7)");
    EXPECT_TRUE(Cell(16)->Selected());
    EXPECT_EQ(Cell(16)->Fill(), calendar_.TitleBackColor());
    EXPECT_EQ(Cell(16)->TextColor(), calendar_.TitleForeColor());
    EXPECT_FALSE(Cell(15)->Selected());
}

struct KeyCase {
    CalendarDate from;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    CalendarDate to;  // `from`: nothing happens
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << DateText(c.from) << ' ' << QKeySequence(c.modifiers | c.key).toString().toStdString();
}

class Keys : public ShownCalendar, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(Keys, MoveTheDayOrIgnoreMovesOutOfRange) {
    const KeyCase c = GetParam();
    Select(c.from);
    QTest::keyClick(&calendar_, c.key, c.modifiers);
    EXPECT_EQ(DateText(calendar_.Value()), DateText(c.to));
    EXPECT_EQ(events_, c.to == c.from ? "" : "change(user) ");
    EXPECT_EQ(Title().toStdString(), MonthTitle(c.to));
}

INSTANTIATE_TEST_SUITE_P(
    Table, Keys,
    ::testing::Values(
        KeyCase{Day(15, 3, 2010), Qt::Key_Left, {}, Day(14, 3, 2010)},
        KeyCase{Day(15, 3, 2010), Qt::Key_Down, {}, Day(22, 3, 2010)},
        KeyCase{Day(3, 3, 2010), Qt::Key_Up, {}, Day(24, 2, 2010)},
        KeyCase{Day(10, 5, 2010), Qt::Key_PageUp, {}, Day(10, 4, 2010)},
        KeyCase{Day(10, 5, 2010), Qt::Key_PageUp, Qt::ControlModifier, Day(10, 5, 2009)},
        KeyCase{Day(10, 5, 2010), Qt::Key_PageDown, Qt::ShiftModifier, Day(10, 5, 2020)},
        KeyCase{Day(10, 5, 2010), Qt::Key_PageUp, Qt::AltModifier, Day(10, 4, 2010)},
        KeyCase{Day(10, 5, 2010), Qt::Key_PageDown, Qt::ControlModifier | Qt::ShiftModifier,
                Day(10, 6, 2010)},
        KeyCase{Day(31, 12, 9999), Qt::Key_Right, {}, Day(31, 12, 9999)},
        KeyCase{Day(31, 12, 9999), Qt::Key_PageDown, {}, Day(31, 12, 9999)},
        KeyCase{Day(1, 1, 100), Qt::Key_Left, {}, Day(1, 1, 100)},
        KeyCase{Day(10, 5, 2010), Qt::Key_A, {}, Day(10, 5, 2010)}),
    ::tallimo::testing::PrintedName());

TEST_F(ShownCalendar, HomeGoesToTodayAsTheUsersChange) {
    Select(Day(1, 1, 100));
    QTest::keyClick(&calendar_, Qt::Key_Home);
    EXPECT_EQ(calendar_.Value(), Today());
    EXPECT_EQ(events_, "change(user) ");
    calendar_.SetValue(Day(1, 1, 100));
    EXPECT_EQ(events_, "change(user) change(program) ");
}

TEST_F(ShownCalendar, ClickedCellsMoveTheDayIntoTheirMonth) {
    Select(Day(14, 2, 2011));
    ClickCell(0);  // grey: 31 January
    EXPECT_EQ(calendar_.Value(), Day(31, 1, 2011));
    EXPECT_EQ(Title(), "janvier 2011");
    EXPECT_EQ(events_, "change(user) dateclick click ");
    events_.clear();
    ClickCell(calendar_.Layout().selected_cell);
    EXPECT_EQ(calendar_.Value(), Day(31, 1, 2011));
    EXPECT_EQ(events_, "change(user) dateclick click ");
    // January 10000 cannot be reached.
    Select(Day(31, 12, 9999));
    ClickCell(41);
    EXPECT_EQ(calendar_.Value(), Day(31, 12, 9999));
    EXPECT_EQ(events_, "");
    QTest::mouseClick(calendar_.findChild<QLabel*>(QStringLiteral("lblTitre")), Qt::LeftButton);
    EXPECT_EQ(events_, "click ");
}

TEST_F(ShownCalendar, ArrowsStepByAMonthOrByAYear) {
    Select(Day(31, 3, 2000));
    QTest::mousePress(Arrow(0), Qt::LeftButton);
    EXPECT_EQ(calendar_.Value(), Day(29, 2, 2000));
    QTest::mousePress(Arrow(1), Qt::RightButton);
    EXPECT_EQ(calendar_.Value(), Day(28, 2, 2001));
    QTest::mousePress(Arrow(0), Qt::MiddleButton);
    EXPECT_EQ(calendar_.Value(), Day(28, 2, 2000));
    EXPECT_EQ(events_, "change(user) change(user) change(user) ");

    calendar_.setEnabled(false);
    QTest::mousePress(Arrow(1), Qt::LeftButton);
    ClickCell(3);
    EXPECT_EQ(calendar_.Value(), Day(28, 2, 2000));
    EXPECT_EQ(events_, "change(user) change(user) change(user) ");
}

// Screen readers read the calendar's month and day, and see and press its
// day cells.
TEST_F(ShownCalendar, TellsScreenReadersItsDayAndCells) {
    calendar_.SetCaption(QStringLiteral("Date de départ"));
    Select(Day(7, 12, 2026));
    QAccessibleInterface* whole = QAccessible::queryAccessibleInterface(&calendar_);
    EXPECT_EQ(whole->role(), QAccessible::Grouping);
    EXPECT_EQ(whole->text(QAccessible::Name), "Date de départ, décembre 2026, 07/12/2026");
    QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(Cell(9));
    EXPECT_EQ(cell->role(), QAccessible::Cell);
    EXPECT_EQ(cell->text(QAccessible::Name), "9");
    EXPECT_FALSE(cell->state().selected);
    cell->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(calendar_.Value(), Day(9, 12, 2026));
    EXPECT_TRUE(cell->state().selected);
    EXPECT_EQ(whole->text(QAccessible::Name), "Date de départ, décembre 2026, 09/12/2026");
    QAccessibleInterface* arrow = QAccessible::queryAccessibleInterface(Arrow(1));
    EXPECT_EQ(arrow->role(), QAccessible::Button);
    arrow->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    // A pressed button acts when its animation ends.
    EXPECT_TRUE(QTest::qWaitFor([&] { return calendar_.Value() == Day(9, 1, 2027); }));
}

}  // namespace
}  // namespace tallimo
