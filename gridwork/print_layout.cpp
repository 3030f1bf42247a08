#include "gridwork/print_layout.h"

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
        const std::string_view word = paragraph.substr(start, end - start);
        // The word joins the line with one space, the result trimmed, as long
        // as the line stays narrower than the limit; otherwise the line is
        // done and the word tries again on an empty one.
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
                lines.emplace_back(kWordOverflow);
                return;
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

std::vector<PrintedPage> LayOutPrintedGrid(std::span<const CalcLine> rows, PageArea page,
                                           const TextMeasurer& measurer) {
    const int line_height = measurer.LineHeight();
    const int last_top = page.height - (line_height + kPrintBottomMargin);
    const int comment_limit = page.width - kCommentWidthReserve;
    const int overflow_width = measurer.TextWidth(kValueOverflow, false);

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

    for (const CalcLine& row : rows) {
        const int top = next_line_top();
        place(kOperationRight - measurer.TextWidth(row.Operation, false), top, row.Operation,
              false);
        const int value_width = measurer.TextWidth(row.Value, false);
        if (value_width > kValueMaxWidth) {
            place(kValueRight - overflow_width, top, kValueOverflow, false);
        } else {
            place(kValueRight - value_width, top, row.Value, false);
        }
        if (!row.Comment.empty()) {
            const std::vector<std::string> lines =
                BreakComment(row.Comment, comment_limit, measurer);
            for (std::size_t i = 0; i < lines.size(); ++i) {
                place(kCommentLeft, i == 0 ? top : next_line_top(), lines[i], true);
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
