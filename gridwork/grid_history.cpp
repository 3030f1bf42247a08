#include "gridwork/grid_history.h"

#include <algorithm>
#include <iterator>
#include <type_traits>
#include <utility>

namespace tallimo {

template <typename Source>
void LineSnapshot::Build(Source&& lines, const LineSnapshot* base) {
    size_ = lines.size();
    runs_.reserve((size_ + kRunLength - 1) / kRunLength);
    for (std::size_t first = 0; first < size_; first += kRunLength) {
        const std::size_t last = std::min(first + kRunLength, size_);
        const std::size_t index = first / kRunLength;
        if (base != nullptr && index < base->runs_.size()) {
            const Run& same = base->runs_[index];
            if (same->size() == last - first &&
                std::equal(same->begin(), same->end(), lines.begin() + first)) {
                runs_.push_back(same);
                continue;
            }
        }
        if constexpr (std::is_rvalue_reference_v<Source&&>) {
            runs_.push_back(std::make_shared<const std::vector<PackedLine>>(
                std::make_move_iterator(lines.begin() + first),
                std::make_move_iterator(lines.begin() + last)));
        } else {
            runs_.push_back(std::make_shared<const std::vector<PackedLine>>(lines.begin() + first,
                                                                            lines.begin() + last));
        }
    }
}

LineSnapshot::LineSnapshot(const std::vector<PackedLine>& lines, const LineSnapshot* base) {
    Build(lines, base);
}

LineSnapshot::LineSnapshot(std::vector<PackedLine>&& lines, const LineSnapshot* base) {
    Build(std::move(lines), base);
    lines.clear();
}

std::vector<PackedLine> LineSnapshot::Lines() const {
    std::vector<PackedLine> lines;
    lines.reserve(size_);
    for (const Run& run : runs_) {
        lines.insert(lines.end(), run->begin(), run->end());
    }
    return lines;
}

bool LineSnapshot::Matches(const std::vector<PackedLine>& lines) const {
    if (lines.size() != size_) {
        return false;
    }
    auto next = lines.begin();
    for (const Run& run : runs_) {
        if (!std::equal(run->begin(), run->end(), next)) {
            return false;
        }
        next += static_cast<std::ptrdiff_t>(run->size());
    }
    return true;
}

bool LineSnapshot::SharesRun(std::size_t index, const LineSnapshot& other) const {
    return index < runs_.size() && index < other.runs_.size() && runs_[index] == other.runs_[index];
}

void GridHistory::Record(TapeState before) {
    redo_.clear();
    undo_.push_back(std::move(before));
    while (undo_.size() > steps_) {
        undo_.pop_front();
    }
}

const LineSnapshot* GridHistory::Base() const {
    if (!redo_.empty()) {
        return &redo_.back().lines;
    }
    return undo_.empty() ? nullptr : &undo_.back().lines;
}

std::optional<TapeState> GridHistory::Undo(TapeState now) {
    if (undo_.empty()) {
        return std::nullopt;
    }
    TapeState back = std::move(undo_.back());
    undo_.pop_back();
    redo_.push_back(std::move(now));
    return back;
}

std::optional<TapeState> GridHistory::Redo(TapeState now) {
    if (redo_.empty()) {
        return std::nullopt;
    }
    TapeState forward = std::move(redo_.back());
    redo_.pop_back();
    undo_.push_back(std::move(now));
    return forward;
}

}  // namespace tallimo
