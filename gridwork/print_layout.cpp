#include "gridwork/print_layout.h"

#include <algorithm>
#include <utility>

namespace tallimo {

namespace {

std::string_view TrimSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// The longest start of `word` narrower than `limit` (one character at least,
// so that a single glyph wider than the limit still goes through), cut
// between UTF-8 characters.
std::size_t FittingPrefix(std::string_view word, int limit, bool bold,
                          const TextMeasurer& measurer) {
    std::vector<std::size_t> ends;  // the end of each character
    for (std::size_t i = 1; i <= word.size(); ++i) {
        if (i == word.size() || (static_cast<unsigned char>(word[i]) & 0xC0) != 0x80) {
            ends.push_back(i);
        }
    }
    std::size_t low = 0;  // ends[low] fits, or is the first character
    std::size_t high = ends.size();
    while (high - low > 1) {
        const std::size_t middle = (low + high) / 2;
        if (measurer.TextWidth(word.substr(0, ends[middle]), bold) < limit) {
            low = middle;
        } else {
            high = middle;
        }
    }
    return ends.empty() ? word.size() : ends[low];
}

// A text too wide for `limit` cut into pieces that each fit, in order.
std::vector<std::string> BreakWord(std::string_view word, int limit, bool bold,
                                   const TextMeasurer& measurer) {
    std::vector<std::string> pieces;
    while (!word.empty()) {
        if (measurer.TextWidth(word, bold) < limit) {
            pieces.emplace_back(word);
            break;
        }
        const std::size_t cut = FittingPrefix(word, limit, bold, measurer);
        pieces.emplace_back(word.substr(0, cut));
        word.remove_prefix(cut);
    }
    return pieces;
}

void BreakParagraph(std::string_view paragraph, int limit, const TextMeasurer& measurer,
                    std::vector<std::string>& lines) {
    if (measurer.TextWidth(paragraph, true) <= limit) {
        lines.emplace_back(paragraph);
        return;
    }
    std::string line;
    std::string candidate;
    std::size_t start = 0;
    while (start <= paragraph.size()) {
        std::size_t end = paragraph.find(' ', start);
        if (end == std::string_view::npos) {
            end = paragraph.size();
        }
        std::string_view word = paragraph.substr(start, end - start);
        // The word joins the line with one space, the result trimmed, as long
        // as the line stays narrower than the limit; otherwise the line is
        // done and the word tries again on an empty one. A word too wide for
        // an empty line (a web address) is cut: its full pieces are lines of
        // their own, its last piece starts the next line.
        for (;;) {
            candidate.assign(line);
            candidate += ' ';
            candidate += word;
            const std::string_view joined = TrimSpaces(candidate);
            if (measurer.TextWidth(joined, true) < limit) {
                line.assign(joined);
                break;
            }
            if (line.empty()) {
                std::vector<std::string> pieces = BreakWord(word, limit, true, measurer);
                line = std::move(pieces.back());
                pieces.pop_back();
                for (std::string& piece : pieces) {
                    lines.push_back(std::move(piece));
                }
                break;
            }
            lines.push_back(std::move(line));
            line.clear();
        }
        start = end + 1;
    }
    if (!line.empty()) {
        lines.push_back(std::move(line));
    }
}

}  // namespace

std::vector<std::string> BreakComment(std::string_view comment, int limit,
                                      const TextMeasurer& measurer) {
    std::vector<std::string> lines;
    const std::string_view text = TrimSpaces(comment);
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find("\r\n", start);
        BreakParagraph(text.substr(start, end == std::string_view::npos ? end : end - start), limit,
                       measurer, lines);
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 2;
    }
    return lines;
}

namespace {

ValueColumn ColumnForWidest(int widest, PageArea page) {
    const int widest_right =
        std::max(kValueRight, page.width - kPrintRightMargin - kCommentMinimumWidth - kColumnGap);
    ValueColumn column;
    column.right = std::clamp(kOperationRight + kColumnGap + widest, kValueRight, widest_right);
    column.width = column.right - kOperationRight - kColumnGap;
    return column;
}

}  // namespace

ValueColumn PrintedValueColumn(std::span<const CalcLine> rows, PageArea page,
                               const TextMeasurer& measurer) {
    int widest = 0;
    for (const CalcLine& row : rows) {
        widest = std::max(widest, measurer.TextWidth(row.Value, false));
    }
    return ColumnForWidest(widest, page);
}

std::vector<PrintedPage> LayOutPrintedGrid(std::span<const CalcLine> rows, PageArea page,
                                           const TextMeasurer& measurer) {
    const int line_height = measurer.LineHeight();
    const int last_top = page.height - (line_height + kPrintBottomMargin);
    // Each value measured once: for the column, then for its place.
    std::vector<int> value_widths(rows.size());
    int widest = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        value_widths[i] = measurer.TextWidth(rows[i].Value, false);
        widest = std::max(widest, value_widths[i]);
    }
    const ValueColumn values = ColumnForWidest(widest, page);
    const int comment_left = values.right + kColumnGap;
    const int comment_limit = page.width - kPrintRightMargin - comment_left;

    std::vector<PrintedPage> pages(1);
    int y = 0;
    bool page_used = false;
    // Where the next printed line goes: on a new page below the last place
    // for a line, never above the top margin.
    auto next_line_top = [&] {
        if (y > last_top && page_used) {
            pages.emplace_back();
            y = 0;
        }
        if (y < kPrintTopMargin) {
            y = kPrintTopMargin;
        }
        page_used = true;
        return y;
    };
    auto place = [&](int x, int top, std::string_view text, bool bold) {
        if (!text.empty()) {
            pages.back().texts.push_back(PrintedText{x, top, std::string(text), bold});
        }
        y = top + line_height;
    };

    std::vector<std::string> value_lines;
    std::vector<std::string> comment_lines;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const CalcLine& row = rows[r];
        const int top = next_line_top();
        place(kOperationRight - measurer.TextWidth(row.Operation, false), top, row.Operation,
              false);
        // A value wider than its column, even widened, goes on as many lines
        // as it needs, each right-aligned: never a digit lost.
        value_lines.clear();
        const bool value_fits = value_widths[r] <= values.width;
        if (value_fits) {
            value_lines.push_back(row.Value);
        } else {
            value_lines = BreakWord(row.Value, values.width + 1, false, measurer);
        }
        comment_lines.clear();
        if (!row.Comment.empty()) {
            comment_lines = BreakComment(row.Comment, comment_limit, measurer);
        }
        const std::size_t count = std::max(value_lines.size(), comment_lines.size());
        for (std::size_t i = 0; i < count; ++i) {
            const int line_top = i == 0 ? top : next_line_top();
            if (i < value_lines.size()) {
                const std::string& text = value_lines[i];
                const int width = value_fits ? value_widths[r] : measurer.TextWidth(text, false);
                place(values.right - width, line_top, text, false);
            }
            if (i < comment_lines.size()) {
                place(comment_left, line_top, comment_lines[i], true);
            }
        }
    }
    // Empty rows at the end (the open row) may have started a page that
    // holds no text: no blank sheet for them.
    while (pages.size() > 1 && pages.back().texts.empty()) {
        pages.pop_back();
    }
    return pages;
}

}  // namespace tallimo
