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
inline constexpr int kOperationRight = 1277;       // the operation ends here
inline constexpr int kValueRight = 3537;           // the value ends here
inline constexpr int kValueMaxWidth = 2200;        // a wider value prints as kValueOverflow
inline constexpr int kCommentLeft = 3597;          // the comment starts here
inline constexpr int kCommentWidthReserve = 4164;  // page width less this: the comment's width
inline constexpr int kMinimumPaper = 6804;         // 12 cm, both ways

inline constexpr std::string_view kValueOverflow = "###########";
inline constexpr std::string_view kWordOverflow = "####";

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
// narrower than the limit, and a word that does not fit alone becomes "####"
// and ends its paragraph.
std::vector<std::string> BreakComment(std::string_view comment, int limit,
                                      const TextMeasurer& measurer);

// Lays out `rows` (all the grid's rows, the open row included) on pages of
// `page`. A line goes to a new page when the current position is below the
// page height less one line and the bottom margin, unless no line has been
// placed on the current page yet (so a page too low for one line does not
// make blank pages). Empty cells take no text, but their rows still take
// their place; a last page that would hold only empty rows is left out, and
// there is always at least one page.
std::vector<PrintedPage> LayOutPrintedGrid(std::span<const CalcLine> rows, PageArea page,
                                           const TextMeasurer& measurer);

}  // namespace tallimo
