#include "gridwork/cancelled_calculations.h"

namespace tallimo {

std::vector<bool> CancelledLines(const CalcGrid& grid) {
    std::vector<bool> marked(static_cast<std::size_t>(grid.GridLine()), false);
    bool removing = false;
    for (int row = grid.GridLine() - 1; row >= 0; --row) {
        const PackedLine& line = grid.Line(row);
        if (line.Kind() == LineKind::Cancellation) {
            marked[static_cast<std::size_t>(row)] = true;
            removing = true;
        } else if (removing) {
            if (line.Kind() == LineKind::Result) {
                removing = false;
                continue;
            }
            marked[static_cast<std::size_t>(row)] = true;
            removing = !line.Operation().empty();
        }
    }
    return marked;
}

bool CanRemoveCancelledCalculations(const CalcGrid& grid, const CalcState& state) {
    return grid.GridLine() != 0 && !state.OperatorPending;
}

int RemoveCancelledCalculations(CalcGrid& grid, const CalcState& state) {
    if (!CanRemoveCancelledCalculations(grid, state)) {
        return 0;
    }
    return grid.RemoveLines(CancelledLines(grid));
}

}  // namespace tallimo
