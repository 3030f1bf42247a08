// The converter's rows of three fields, numbered from 1, and where they lie.
// Rows are only ever added: a row edited at the bottom brings a new empty row
// below it, so that there is always a free row to type in.
#pragma once

#include <string_view>
#include <vector>

#include "converter/base_conversion.h"

namespace tallimo {

// Where the fields lie, in twips, a row's fields side by side, each
// overlapping its left neighbour by 15 twips (one pixel), the rows one below
// the other without a gap.
inline constexpr int kFieldWidth = 1935;
inline constexpr int kFieldHeight = 285;
inline constexpr int kColumnPitch = 1920;

constexpr int FieldLeft(Column column) {
    return static_cast<int>(column) * kColumnPitch;
}
// The top of row `row` (from 1). 32 bits: far beyond any row count that a
// person can type, where 16 bits would give out at the 115th row.
constexpr int RowTop(int row) {
    return (row - 1) * kFieldHeight;
}
// The height of `rows` rows, which is what a scrolling region holding them
// must let the user reach.
constexpr int ContentHeight(int rows) {
    return RowTop(rows) + kFieldHeight;
}

class ConverterRows {
  public:
    // One empty row.
    ConverterRows();

    int LastRow() const { return static_cast<int>(rows_.size()); }
    // 1 <= row <= LastRow().
    const RowTexts& Row(int row) const { return rows_[static_cast<std::size_t>(row - 1)]; }

    struct EditOutcome {
        bool failed = false;     // the row shows kInvalidEntry in its three fields
        bool row_added = false;  // a new empty row follows at the bottom
    };

    // The user changed the `column` field of `row` to `text`: the row is
    // converted from it (ConvertRow). When `row` is the last one and the
    // conversion did not fail, an empty row is added, also when the field
    // was emptied.
    EditOutcome Edit(int row, Column column, std::string_view text);

  private:
    std::vector<RowTexts> rows_;
};

}  // namespace tallimo
