#include "gridwork/print_layout.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace tallimo {
namespace {

// Every character is 100 twips wide, 150 in bold; a line is 250 high.
class FakeMeasurer : public TextMeasurer {
  public:
    int TextWidth(std::string_view text, bool bold) const override {
        int characters = 0;
        for (const char c : text) {
            characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        }
        return characters * (bold ? 150 : 100);
    }
    int LineHeight() const override { return 250; }
};

// Pages as "x,y text" items separated by " | ", a bold text after a "*",
// pages separated by " // ".
std::string PagesText(const std::vector<PrintedPage>& pages) {
    std::ostringstream out;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        out << (p > 0 ? " // " : "");
        for (std::size_t i = 0; i < pages[p].texts.size(); ++i) {
            const PrintedText& t = pages[p].texts[i];
            out << (i > 0 ? " | " : "") << t.x << ',' << t.y << ' ' << (t.bold ? "*" : "")
                << t.text;
        }
    }
    return out.str();
}

CalcLine Line(std::string op, std::string value, std::string comment = "") {
    return CalcLine{std::move(op), std::move(value),
                    comment.empty() ? "" : kCommentPadding + comment, "", LineKind::Operation};
}

struct LayoutCase {
    const char* name;
    std::vector<CalcLine> rows;
    PageArea page;
    const char* expected;
};

class PrintLayoutTable : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(PrintLayoutTable, PlacesEveryText) {
    const LayoutCase& c = GetParam();
    EXPECT_EQ(PagesText(LayOutPrintedGrid(c.rows, c.page, FakeMeasurer())), c.expected);
}

constexpr PageArea kA4{11906, 16838};
// Three lines fit: tops 567, 817 and 1067, the last top allowed being
// 2000 - (250 + 567) = 1183.
constexpr PageArea kLow{11906, 2000};
// Comments wrap within 5664 - 4164 = 1500 twips: nine bold characters. The
// value column cannot widen there.
constexpr PageArea kNarrow{5664, 16838};

INSTANTIATE_TEST_SUITE_P(
    Rows, PrintLayoutTable,
    ::testing::Values(
        LayoutCase{"columns_right_aligned_and_the_open_row_takes_its_place",
                   {Line("", "3"), Line("Log n", "12,5"), Line("=", "1,0163"), Line("x", "")},
                   kA4,
                   "3437,567 3 | 777,817 Log n | 3137,817 12,5 | 1177,1067 = | 2937,1067 1,0163"
                   " | 1177,1317 x"},
        LayoutCase{"a_value_wider_than_2200_widens_its_column_and_moves_the_comments",
                   {Line("", "1234567890123456789012", "a"), Line("+", "12345678901234567890123"),
                    Line("", "Annulation")},
                   kA4,
                   "1437,567 1234567890123456789012 | 3697,567 *a | 1177,817 + | "
                   "1337,817 12345678901234567890123 | 2637,1067 Annulation"},
        // On 12 cm paper the column cannot widen: the value goes on below,
        // beside its comment's lines.
        LayoutCase{"a_value_too_wide_for_the_page_goes_on_below",
                   {Line("+", "12345678901234567890123", "un deux trois"), Line("=", "1")},
                   kNarrow,
                   "1177,567 + | 1337,567 1234567890123456789012 | 3597,567 *un deux | "
                   "3437,817 3 | 3597,817 *trois | 1177,1067 = | 3437,1067 1"},
        LayoutCase{"comment_in_bold_on_its_line_then_below",
                   {Line("", "3", "note"), Line("+", "4", "un\r\ndeux"), Line("=", "7")},
                   kA4,
                   "3437,567 3 | 3597,567 *note | 1177,817 + | 3437,817 4 | 3597,817 *un | "
                   "3597,1067 *deux | 1177,1317 = | 3437,1317 7"},
        LayoutCase{"page_break_after_three_lines",
                   {Line("", "1"), Line("+", "2"), Line("+", "3"), Line("+", "4"), Line("", "")},
                   kLow,
                   "3437,567 1 | 1177,817 + | 3437,817 2 | 1177,1067 + | 3437,1067 3 // "
                   "1177,567 + | 3437,567 4"},
        LayoutCase{"an_empty_open_row_makes_no_blank_page",
                   {Line("", "1"), Line("+", "2"), Line("+", "3"), Line("", "")},
                   kLow,
                   "3437,567 1 | 1177,817 + | 3437,817 2 | 1177,1067 + | 3437,1067 3"},
        LayoutCase{"comment_lines_break_pages_too",
                   {Line("", "1"), Line("+", "2", "a\r\nb\r\nc"), Line("=", "3")},
                   kLow,
                   "3437,567 1 | 1177,817 + | 3437,817 2 | 3597,817 *a | 3597,1067 *b // "
                   "3597,567 *c | 1177,817 = | 3437,817 3"},
        LayoutCase{"comment_wrapped_to_the_page_width",
                   {Line("", "5", "un deux trois quatre"), Line("+", "1")},
                   kNarrow,
                   "3437,567 5 | 3597,567 *un deux | 3597,817 *trois | 3597,1067 *quatre | "
                   "1177,1317 + | 3437,1317 1"},
        LayoutCase{"a_page_too_low_for_a_line_makes_no_blank_page",
                   {Line("", "1"), Line("+", "2")},
                   PageArea{11906, 600},
                   "3437,567 1 // 1177,567 + | 3437,567 2"},
        LayoutCase{"no_rows_one_empty_page", {}, kA4, ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct BreakCase {
    const char* name;
    const char* comment;
    std::vector<std::string> lines;
};

class BreakCommentTable : public ::testing::TestWithParam<BreakCase> {};

// Within 1500 twips: a paragraph of up to ten bold characters is one line;
// lines built word by word stay under the limit, so nine at most.
TEST_P(BreakCommentTable, WrapsGreedily) {
    const BreakCase& c = GetParam();
    EXPECT_EQ(BreakComment(c.comment, 1500, FakeMeasurer()), c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Comments, BreakCommentTable,
    ::testing::Values(
        BreakCase{"padding_trimmed", "          court  ", {"court"}},
        BreakCase{"paragraph_at_the_limit_is_one_line", "abcd efghi", {"abcd efghi"}},
        BreakCase{"word_that_does_not_fit_starts_the_next_line", "abcd efghij", {"abcd", "efghij"}},
        BreakCase{"a_line_at_the_limit_is_too_wide", "abcde fghi jk", {"abcde", "fghi jk"}},
        BreakCase{
            "double_spaces_collapse_when_wrapping", "abcd  efgh  ijkl", {"abcd efgh", "ijkl"}},
        BreakCase{"a_word_too_long_is_cut_and_its_paragraph_goes_on",
                  "ab abcdefghijk cd\r\nfin",
                  {"ab", "abcdefghi", "jk cd", "fin"}},
        BreakCase{"lone_long_word", "abcdefghijklmnopqrstu", {"abcdefghi", "jklmnopqr", "stu"}},
        BreakCase{"cut_between_characters", "éééééééééééé", {"ééééééééé", "ééé"}},
        BreakCase{"line_breaks_kept_empty_lines_too",
                  "un\r\ndeux\r\n\r\ntrois",
                  {"un", "deux", "", "trois"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tallimo
