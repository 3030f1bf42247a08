#include <gtest/gtest.h>

#include "date_test_util.h"
#include "dates/month_layout.h"
#include "printed_names.h"

namespace tallimo {
namespace {

using testing::Day;

struct LayoutCase {
    const char* selected;
    int first_cell;
    int first_grey_day;  // in cell 0
    int last_cell;
    int last_grey_day;  // in cell 41
    const char* title;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.selected;
}

class Months : public ::testing::TestWithParam<LayoutCase> {};

// The page is three runs of consecutive days: the end of the month before
// (grey), the month, the start of the month after (grey).
TEST_P(Months, LayDayOneUnderItsWeekdayBetweenGreyNeighbours) {
    const LayoutCase c = GetParam();
    const CalendarDate selected = Day(c.selected);
    const MonthLayout layout = LayOutMonth(selected);
    EXPECT_EQ(layout.first_cell, c.first_cell);
    EXPECT_EQ(layout.last_cell, c.last_cell);
    EXPECT_EQ(layout.selected_cell, c.first_cell + selected.Day() - 1);
    EXPECT_EQ(layout.cells[0].day, c.first_grey_day);
    EXPECT_EQ(layout.cells[41].day, c.last_grey_day);
    EXPECT_EQ(MonthTitle(selected), c.title);
    for (int cell = 0; cell < kCalendarCells; ++cell) {
        const bool in_month = cell >= c.first_cell && cell <= c.last_cell;
        EXPECT_EQ(layout.cells[cell].in_shown_month, in_month) << "cell " << cell;
        if (cell > 0 && cell != c.first_cell && cell != c.last_cell + 1) {
            EXPECT_EQ(layout.cells[cell].day, layout.cells[cell - 1].day + 1) << "cell " << cell;
        }
    }
    EXPECT_EQ(layout.cells[c.first_cell].day, 1);
    EXPECT_EQ(layout.cells[c.last_cell + 1].day, 1);
}

INSTANTIATE_TEST_SUITE_P(ReferenceMonths, Months,
                         ::testing::Values(
                             // 1 March 2010 is a Monday: a whole row of February above it.
                             LayoutCase{"15/03/2010", 7, 22, 37, 4, "mars 2010"},
                             // Sunday: day 1 at the end of the first row.
                             LayoutCase{"01/08/2010", 6, 26, 36, 5, "août 2010"},
                             LayoutCase{"28/02/2011", 1, 31, 28, 13, "février 2011"},
                             LayoutCase{"29/02/2000", 1, 31, 29, 12, "février 2000"},
                             LayoutCase{"10/02/2010", 7, 25, 34, 7, "février 2010"},
                             // The ends of the range: December 99 and January 10000 are never
                             // reached, yet their days are numbered as usual.
                             LayoutCase{"01/01/100", 4, 28, 34, 7, "janvier 100"},
                             LayoutCase{"01/02/100", 7, 25, 34, 7, "février 100"},
                             LayoutCase{"31/12/9999", 2, 29, 32, 9, "décembre 9999"},
                             LayoutCase{"07/12/2026", 1, 30, 31, 10, "décembre 2026"}),
                         testing::PrintedName());

}  // namespace
}  // namespace tallimo
