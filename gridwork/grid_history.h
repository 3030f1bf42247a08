// Undo and redo of the grid's changes ("Grille vierge", "Ouvrir", the
// removal of cancelled calculations, a line confirmed or deleted): each step
// keeps the tape as it was, its lines shared with the steps kept before
// wherever they did not change, so that a long tape is not copied again for
// every step.
#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/calc_engine.h"
#include "grid/packed_line.h"

namespace tallimo {

// The recorded lines of a grid, in runs that copies share.
class LineSnapshot {
  public:
    LineSnapshot() = default;
    // The lines, sharing every run equal to the same run of `base`.
    LineSnapshot(const std::vector<PackedLine>& lines, const LineSnapshot* base);
    // Takes the lines over without copying them (the grid is about to let
    // them go anyway), still sharing runs with `base`.
    LineSnapshot(std::vector<PackedLine>&& lines, const LineSnapshot* base);

    std::size_t size() const { return size_; }
    std::vector<PackedLine> Lines() const;
    bool Matches(const std::vector<PackedLine>& lines) const;
    // Runs held by no other snapshot than this one and `other` together
    // count once; for the memory bound.
    std::size_t RunCount() const { return runs_.size(); }
    bool SharesRun(std::size_t index, const LineSnapshot& other) const;

    static constexpr std::size_t kRunLength = 512;

  private:
    using Run = std::shared_ptr<const std::vector<PackedLine>>;
    template <typename Source>
    void Build(Source&& lines, const LineSnapshot* base);

    std::vector<Run> runs_;
    std::size_t size_ = 0;
};

// The whole tape at one moment: lines, calculator and file name.
struct TapeState {
    LineSnapshot lines;
    EngineSnapshot engine;
    std::string file_title;
};

class GridHistory {
  public:
    static constexpr std::size_t kDefaultSteps = 100;
    explicit GridHistory(std::size_t steps = kDefaultSteps) : steps_(steps) {}

    // A change is about to be made, or has just been made from `before`:
    // `before` is what undo brings back. Forgets what could be redone, and
    // the oldest step beyond the limit.
    void Record(TapeState before);
    // A base for new snapshots, so that they share runs with the history.
    const LineSnapshot* Base() const;

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    std::size_t UndoSteps() const { return undo_.size(); }

    // The state to go back to; `now` becomes what redo brings back.
    std::optional<TapeState> Undo(TapeState now);
    // The state undone last; `now` becomes what undo brings back.
    std::optional<TapeState> Redo(TapeState now);
    // A keypad step changed the tape: what was undone can no longer be
    // redone without losing it.
    void ForgetRedo() { redo_.clear(); }

  private:
    std::size_t steps_;
    std::deque<TapeState> undo_;
    std::deque<TapeState> redo_;
};

}  // namespace tallimo
