#include "converter/converter_rows.h"

namespace tallimo {

ConverterRows::ConverterRows() : rows_(1) {}

ConverterRows::EditOutcome ConverterRows::Edit(int row, Column column, std::string_view text) {
    RowConversion conversion = ConvertRow(column, text);
    rows_[static_cast<std::size_t>(row - 1)] = std::move(conversion.texts);
    EditOutcome outcome;
    outcome.failed = conversion.failed;
    if (!conversion.failed && row == LastRow()) {
        rows_.emplace_back();
        outcome.row_added = true;
    }
    return outcome;
}

}  // namespace tallimo
