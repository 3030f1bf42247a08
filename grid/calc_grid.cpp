#include "grid/calc_grid.h"

#include <algorithm>
#include <utility>

namespace tallimo {

CalcGrid::CalcGrid() {
    rows_.emplace_back();
}

std::vector<CalcLine> CalcGrid::Rows() const {
    return UnpackLines(rows_);
}

std::vector<CalcLine> CalcGrid::RecordedLines() const {
    return UnpackLines(Recorded());
}

template <typename Change>
void CalcGrid::ChangeRow(int row, Change change) {
    ++revision_;
    change(rows_[static_cast<std::size_t>(row)]);
    if (observer_ != nullptr) {
        observer_->RowChanged(row);
    }
}

void CalcGrid::SetRow(int row, PackedLine line) {
    ChangeRow(row, [&line](PackedLine& at) { at = std::move(line); });
}

void CalcGrid::SetOperation(int row, std::string_view text) {
    ChangeRow(row, [text](PackedLine& at) { at.SetOperation(text); });
}

void CalcGrid::SetValue(int row, std::string_view text, std::optional<double> computed) {
    ChangeRow(row, [text, computed](PackedLine& at) { at.SetValue(text, computed); });
}

void CalcGrid::SetComputedValue(int row, double value) {
    ChangeRow(row, [value](PackedLine& at) { at.SetComputedValue(value); });
}

void CalcGrid::NewGridLine() {
    ++revision_;
    const int row = RowCount();
    if (observer_ != nullptr) {
        observer_->RowAboutToBeAppended(row);
    }
    rows_.emplace_back();
    if (observer_ != nullptr) {
        observer_->RowAppended(row);
    }
}

void CalcGrid::RemoveLine(int row) {
    ++revision_;
    if (row < 0 || row >= GridLine()) {
        return;
    }
    if (observer_ != nullptr) {
        observer_->RowsAboutToBeRemoved(row, 1);
    }
    rows_.erase(rows_.begin() + row);
    if (observer_ != nullptr) {
        observer_->RowsRemoved(row, 1);
    }
}

int CalcGrid::RemoveLines(const std::vector<bool>& marked) {
    ++revision_;
    const std::size_t recorded = std::min(marked.size(), rows_.size() - 1);
    std::size_t first = 0;
    while (first < recorded && !marked[first]) {
        ++first;
    }
    if (first == recorded) {
        return 0;
    }
    if (observer_ != nullptr) {
        observer_->AboutToReset();
    }
    // Row `first` goes, so every kept row below it moves up.
    std::size_t kept = first;
    for (std::size_t row = first + 1; row < rows_.size(); ++row) {
        if (row < recorded && marked[row]) {
            continue;
        }
        rows_[kept++] = std::move(rows_[row]);
    }
    const int removed = static_cast<int>(rows_.size() - kept);
    rows_.resize(kept);
    if (observer_ != nullptr) {
        observer_->Reset();
    }
    return removed;
}

void CalcGrid::Reset(const std::vector<CalcLine>& lines) {
    Reset(PackLines(lines));
}

void CalcGrid::Reset(std::vector<PackedLine> lines) {
    ++revision_;
    if (observer_ != nullptr) {
        observer_->AboutToReset();
    }
    rows_ = std::move(lines);
    rows_.emplace_back();
    if (observer_ != nullptr) {
        observer_->Reset();
    }
}

}  // namespace tallimo
