// The printed grid, laid out in twips (1/1440 inch) on pages of a given size:
// every row of the grid from row 0, the open row included, as three columns
// (the operation right-aligned, the value right-aligned, the comment in bold
// and wrapped to the page). The layout measures texts through a
// TextMeasurer, so that the same rules serve a printer, a preview and tests.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "grid/calc_line.h"

namespace tallimo {

// Positions on the page, in twips from the top left of its printable area.
inline constexpr int kPrintTopMargin = 567;        // 1 cm: no line starts above it
inline constexpr int kPrintBottomMargin = 567;     // kept below the last line
inline constexpr int kPrintRightMargin = 567;      // kept right of the comments
inline constexpr int kOperationRight = 1277;       // the operation ends here
inline constexpr int kValueRight = 3537;           // the value ends here, unless widened
inline constexpr int kColumnGap = 60;              // between two columns
inline constexpr int kCommentMinimumWidth = 2640;  // what 12 cm paper leaves the comments

inline constexpr std::string_view kEmptyGridPrintMessage =
    "La grille de calculs est vide.\r\nAucune donnée à imprimer.";
inline constexpr std::string_view kMinimumPaperMessage =
    "Taille minimale de papier = 12 cm x 12 cm.";
inline constexpr std::string_view kPrintFailedMessage = "L'impression a échoué.";

// Measures printed texts (UTF-8) in twips, in the printing font ("Arial",
// 10 points), regular or bold.
class TextMeasurer {
  public:
    virtual ~TextMeasurer() = default;
    virtual int TextWidth(std::string_view text, bool bold) const = 0;
    // The height of one printed line: printing a line moves down by it.
    virtual int LineHeight() const = 0;
};

// One text placed on a page: its left edge and the top of its line.
struct PrintedText {
    int x = 0;
    int y = 0;
    std::string text;
    bool bold = false;
    bool operator==(const PrintedText&) const = default;
};

struct PrintedPage {
    std::vector<PrintedText> texts;
};

// The printable area of a page, in twips.
struct PageArea {
    int width = 0;
    int height = 0;
};

// The comment's printed lines, as they are printed in bold within `limit`
// twips: the comment trimmed of spaces, cut into paragraphs at each CR LF,
// and each paragraph broken greedily at single spaces. A paragraph no wider
// than the limit is one line; otherwise words are added while the line stays
// narrower than the limit; a word too wide for a line of its own is cut
// between characters into lines that fit, and the paragraph goes on after it.
std::vector<std::string> BreakComment(std::string_view comment, int limit,
                                      const TextMeasurer& measurer);

// The value column: it ends at kValueRight, or further right when a value
// of the grid is wider than the 2200 twips left of it, but never so far that
// the comments get less than kCommentMinimumWidth. The comments start
// kColumnGap right of it, and wrap kPrintRightMargin before the page's edge.
struct ValueColumn {
    int right = kValueRight;
    int width = kValueRight - kOperationRight - kColumnGap;
};
ValueColumn PrintedValueColumn(std::span<const CalcLine> rows, PageArea page,
                               const TextMeasurer& measurer);

// Lays out `rows` (all the grid's rows, the open row included) on pages of
// `page`. A line goes to a new page when the current position is below the
// page height less one line and the bottom margin, unless no line has been
// placed on the current page yet (so a page too low for one line does not
// make blank pages). A value wider than even the widened column is cut
// between characters onto the lines below, each piece right-aligned; the row
// takes as many lines as its value or its comment needs. Empty cells take no text, but their rows
// still take their place; a last page that would hold only empty rows is left out, and there is
// always at least one page.
std::vector<PrintedPage> LayOutPrintedGrid(std::span<const CalcLine> rows, PageArea page,
                                           const TextMeasurer& measurer);

}  // namespace tallimo
