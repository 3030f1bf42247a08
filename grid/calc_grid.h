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
#include "grid/packed_line.h"

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

    // The rows as the grid keeps them, without copying.
    const PackedLine& Line(int row) const { return rows_[static_cast<std::size_t>(row)]; }
    const PackedLine& OpenLine() const { return rows_.back(); }
    const std::vector<PackedLine>& Lines() const { return rows_; }
    // The recorded lines, without the open row.
    std::span<const PackedLine> Recorded() const { return {rows_.data(), rows_.size() - 1}; }

    // Copies of the rows with their texts.
    CalcLine Row(int row) const { return Line(row).Unpacked(); }
    CalcLine OpenRow() const { return OpenLine().Unpacked(); }
    std::vector<CalcLine> Rows() const;
    std::vector<CalcLine> RecordedLines() const;

    // Replaces a row (the open one included) and tells the observer.
    void SetRow(int row, const CalcLine& line) { SetRow(row, PackedLine(line)); }
    void SetRow(int row, PackedLine line);
    void SetOperation(int row, std::string_view text);
    // The value's text, and the number it was computed from when there is
    // one (an edited value has none: its text is its number).
    void SetValue(int row, std::string_view text, std::optional<double> computed = std::nullopt);
    // A value the calculator computed, shown as its NumberToText.
    void SetComputedValue(int row, double value);

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
    void Reset(std::vector<PackedLine> lines = {});
    void Reset(const std::vector<CalcLine>& lines);

    void SetObserver(GridObserver* observer) { observer_ = observer; }

    // Grows with every change of the rows: whoever keeps a copy can tell
    // whether it is still the grid's.
    std::uint64_t Revision() const { return revision_; }

  private:
    // Counts the change and tells the observer of it.
    template <typename Change>
    void ChangeRow(int row, Change change);

    std::vector<PackedLine> rows_;
    std::uint64_t revision_ = 0;
    GridObserver* observer_ = nullptr;
};

}  // namespace tallimo
