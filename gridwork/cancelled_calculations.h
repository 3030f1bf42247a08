// The removal of cancelled calculations from the grid: each cancellation line
// goes, with the unfinished calculation that it cancelled.
#pragma once

#include <vector>

#include "engine/calc_state.h"
#include "grid/calc_grid.h"

namespace tallimo {

// The recorded lines that the removal takes out (true for each), scanning up
// from the last recorded line: a cancellation line goes and starts removal
// mode; in removal mode every line goes until the first operand of the
// cancelled calculation (a line with an empty operation), which goes too and
// ends the mode. A result line ("=") also ends the mode but stays: the
// calculation it closed was finished, and only the part typed after it was
// cancelled.
std::vector<bool> CancelledLines(const CalcGrid& grid);

// The command is possible with recorded lines and no calculation in
// progress.
bool CanRemoveCancelledCalculations(const CalcGrid& grid, const CalcState& state);

// Removes the cancelled calculations in one pass when the command is
// possible, and returns the number of lines removed (0 otherwise). X, the
// display and the entry state are not touched.
int RemoveCancelledCalculations(CalcGrid& grid, const CalcState& state);

}  // namespace tallimo
