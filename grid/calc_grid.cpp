#include "grid/calc_grid.h"

#include <utility>

namespace tallimo {

CalcGrid::CalcGrid() {
    rows_.emplace_back();
}

void CalcGrid::SetRow(int row, CalcLine line) {
    rows_[static_cast<std::size_t>(row)] = std::move(line);
    if (observer_ != nullptr) {
        observer_->RowChanged(row);
    }
}

void CalcGrid::SetOperation(int row, std::string text) {
    rows_[static_cast<std::size_t>(row)].Operation = std::move(text);
    if (observer_ != nullptr) {
        observer_->RowChanged(row);
    }
}

void CalcGrid::SetValue(int row, std::string text) {
    rows_[static_cast<std::size_t>(row)].Value = std::move(text);
    if (observer_ != nullptr) {
        observer_->RowChanged(row);
    }
}

void CalcGrid::NewGridLine() {
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

void CalcGrid::Reset(std::vector<CalcLine> lines) {
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
