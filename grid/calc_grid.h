// The rows of the calculation grid: the recorded lines followed by the open
// row, where the next line is assembled. A view follows the changes through
// a GridObserver.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "grid/calc_line.h"

namespace tallimo {

// Told around every change, so that a view model can announce it.
class GridObserver {
  public:
    virtual ~GridObserver() = default;
    virtual void RowAboutToBeAppended(int row) = 0;
    virtual void RowAppended(int row) = 0;
    virtual void RowsAboutToBeRemoved(int first, int count) = 0;
    virtual void RowsRemoved(int first, int count) = 0;
    virtual void AboutToReset() = 0;
    virtual void Reset() = 0;
    virtual void RowChanged(int row) = 0;
};

class CalcGrid {
  public:
    CalcGrid();

    // The number of recorded lines, which is also the index of the open row.
    int GridLine() const { return static_cast<int>(rows_.size()) - 1; }
    // Recorded lines and the open row: GridLine() + 1.
    int RowCount() const { return static_cast<int>(rows_.size()); }

    const CalcLine& Row(int row) const { return rows_[static_cast<std::size_t>(row)]; }
    const CalcLine& OpenRow() const { return rows_.back(); }
    const std::vector<CalcLine>& Rows() const { return rows_; }
    // The recorded lines, without the open row.
    std::span<const CalcLine> RecordedLines() const { return {rows_.data(), rows_.size() - 1}; }

    // Replaces a row (the open one included) and tells the observer.
    void SetRow(int row, CalcLine line);
    void SetOperation(int row, std::string text);
    // The value's text, and the number it was computed from when there is
    // one (an edited value has none: its text is its number).
    void SetValue(int row, std::string text, std::optional<double> computed = std::nullopt);

    // The open row becomes a recorded line and a new empty open row follows.
    // Amortised O(1).
    void NewGridLine();

    // Removes a recorded line; the rows below move up by one.
    void RemoveLine(int row);

    // Removes, in one pass, every recorded line i whose `marked[i]` is true
    // (lines past the end of `marked` stay); the open row stays last. The
    // observer is told once, as a reset, and only when a line goes. Returns
    // the number of lines removed.
    int RemoveLines(const std::vector<bool>& marked);

    // The recorded lines become `lines`, followed by an empty open row.
    void Reset(std::vector<CalcLine> lines = {});

    void SetObserver(GridObserver* observer) { observer_ = observer; }

    // Grows with every change of the rows: whoever keeps a copy can tell
    // whether it is still the grid's.
    std::uint64_t Revision() const { return revision_; }

  private:
    std::vector<CalcLine> rows_;
    std::uint64_t revision_ = 0;
    GridObserver* observer_ = nullptr;
};

}  // namespace tallimo
