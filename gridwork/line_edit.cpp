#include "gridwork/line_edit.h"

#include <cmath>
#include <utility>

#include "engine/functions.h"
#include "engine/operators.h"
#include "numbers/copied_number.h"
#include "numbers/number_text.h"

namespace tallimo {

namespace {

constexpr std::string_view kBlank = " \t\r\n";

std::string_view Trim(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(kBlank);
    if (begin == std::string_view::npos) {
        return {};
    }
    const std::size_t end = text.find_last_not_of(kBlank);
    return text.substr(begin, end - begin + 1);
}

// Writing only real changes spares a view thousands of repaints when a long
// chain is recomputed and most of its results stay the same. A computed
// value keeps its double, as the keypad's lines do.
void WriteComputed(CalcGrid& grid, int row, double value, bool error) {
    const PackedLine& line = grid.Line(row);
    if (error) {
        if (line.Computed() || !line.ValueIs(kErrorText)) {
            grid.SetValue(row, kErrorText);
        }
    } else if (!line.HoldsComputed(value)) {
        grid.SetComputedValue(row, value);
    }
}

bool IsRecorded(const CalcGrid& grid, int row) {
    return row >= 0 && row < grid.GridLine();
}

// Once a chain's first line is known, its own label takes no part in the
// calculation: it is the first operand even when a file gave it an operator.
bool IsOperatorLine(const PackedLine& line) {
    return line.Kind() == LineKind::Operation && !line.Operation().empty();
}

EditResult Refused(int row) {
    EditResult result;
    result.status = EditStatus::Refused;
    result.current_row = row;
    return result;
}

}  // namespace

Chain FindChain(const CalcGrid& grid, int row) {
    int first = row;
    while (first > 0 && !grid.Line(first).Operation().empty()) {
        --first;
    }
    int next = first + 1;
    while (next < grid.GridLine() && !grid.Line(next).Operation().empty()) {
        ++next;
    }
    return {first, next - 1};
}

void ApplyPendingOperation(double& accumulator, double operand, std::string_view op,
                           bool& accumulator_error, bool operand_error) {
    if (operand_error) {
        accumulator_error = true;
        return;
    }
    const EvalError error = Evaluate(accumulator, operand, op);
    if (error != EvalError::None && error != EvalError::UnknownOperator) {
        accumulator_error = true;
    }
}

double RecalcFunctionLine(CalcGrid& grid, int row, double value, bool& error) {
    const PackedLine& line = grid.Line(row);
    double result = value;
    if (const std::optional<FunctionId> id = FunctionFromName(line.Operation())) {
        std::optional<FunctionResult> computed;
        if (!NeedsDecimals(*id)) {
            computed = ComputeFunction(*id, value);
        } else if (const std::optional<double> count = ParseDecimalsAnswer(line.Decimals());
                   count && *count >= 0.0 && value != std::trunc(value)) {
            // A whole value has no decimals to cut: it simply stays, where
            // the keypad would refuse the key.
            computed = ComputeFunction(*id, value, DecimalsFromAnswer(*count));
        }
        if (computed) {
            if (computed->status == FunctionStatus::Ok) {
                result = computed->value;
            } else {
                error = true;
            }
        }
    }
    WriteComputed(grid, row, result, error);
    return result;
}

namespace {

// RecalculateChain's work; answers the value of row `last` as computed, at
// full precision, with its error flag.
double RecalculateRange(CalcGrid& grid, int first, int last, bool& last_error) {
    // A value that is no number (a damaged file) makes every later result an
    // error rather than a guess.
    const std::optional<double> start = grid.Line(first).Number();
    double accumulator = start.value_or(0.0);
    bool accumulator_error = !start;
    double operand = 0.0;
    bool operand_error = false;
    std::string pending;
    bool operation_pending = false;
    bool operand_present = false;
    double shown = accumulator;
    last_error = accumulator_error;

    for (int r = first + 1; r <= last; ++r) {
        const PackedLine& line = grid.Line(r);
        switch (line.Kind()) {
            case LineKind::Function:
                if (operand_present) {
                    operand = RecalcFunctionLine(grid, r, operand, operand_error);
                    shown = operand;
                    last_error = operand_error;
                } else {
                    accumulator = RecalcFunctionLine(grid, r, accumulator, accumulator_error);
                    shown = accumulator;
                    last_error = accumulator_error;
                }
                break;
            case LineKind::Result:
                if (operation_pending) {
                    ApplyPendingOperation(accumulator, operand, pending, accumulator_error,
                                          operand_error);
                }
                WriteComputed(grid, r, accumulator, accumulator_error);
                operation_pending = false;
                operand_present = false;
                shown = accumulator;
                last_error = accumulator_error;
                break;
            case LineKind::Operation: {
                if (operation_pending) {
                    ApplyPendingOperation(accumulator, operand, pending, accumulator_error,
                                          operand_error);
                }
                const std::optional<double> number = line.Number();
                operand = number.value_or(0.0);
                operand_error = !number;
                pending = line.Operation();
                operation_pending = true;
                operand_present = true;
                shown = operand;
                last_error = operand_error;
                break;
            }
            case LineKind::Cancellation:
                // Never inside a chain, since its operation is empty.
                break;
        }
    }
    return shown;
}

}  // namespace

void RecalculateChain(CalcGrid& grid, int first, int last) {
    if (last >= grid.GridLine()) {
        last = grid.GridLine() - 1;
    }
    if (first < 0 || last <= first) {
        return;
    }
    bool error = false;
    RecalculateRange(grid, first, last, error);
}

std::optional<double> ComputedLastValue(const CalcGrid& grid) {
    if (grid.GridLine() == 0) {
        return std::nullopt;
    }
    const int last = grid.GridLine() - 1;
    const std::string text = grid.Line(last).Value();
    if (!TextToNumber(text)) {
        return std::nullopt;
    }
    // The chain is computed on a copy: the grid itself stays as it is.
    const Chain chain = FindChain(grid, last);
    CalcGrid copy;
    copy.Reset(std::vector<PackedLine>(grid.Lines().begin() + chain.first,
                                       grid.Lines().begin() + last + 1));
    bool error = false;
    const double value = RecalculateRange(copy, 0, last - chain.first, error);
    // A grid whose values were not computed from its chain (a file changed
    // by hand) keeps the value it shows.
    if (error || NumberToText(value) != text) {
        return std::nullopt;
    }
    return value;
}

LineEditor::LineEditor(CalcGrid& grid, MessageSink& messages, TextPrompt& prompt)
    : grid_(grid), messages_(messages), prompt_(prompt) {}

bool LineEditor::IsEditable(int row) const {
    return IsRecorded(grid_, row) && grid_.Line(row).Kind() != LineKind::Cancellation;
}

LineOpening LineEditor::Open(int row) {
    LineOpening opening;
    if (IsRecorded(grid_, row) && grid_.Line(row).Kind() == LineKind::Cancellation) {
        messages_.ShowMessage(kCancellationLineMessage);
        opening.status = OpenStatus::CancellationLine;
        return opening;
    }
    if (!IsRecorded(grid_, row)) {
        return opening;
    }
    const CalcLine line = grid_.Row(row);
    opening.status = OpenStatus::Opened;
    opening.caption = std::string(kEditCaptionPrefix) + line.Operation + " " + line.Value;
    opening.operation = line.Operation;
    opening.comment = std::string(line.CommentText());
    opening.can_delete = line.Kind != LineKind::Result;
    switch (line.Kind) {
        case LineKind::Function:
            opening.layout = EditLayout::Function;
            break;
        case LineKind::Result:
            opening.layout = EditLayout::Result;
            break;
        default: {
            // Row 0 always starts a chain, so an operator there is no operator.
            const bool first = line.Operation.empty() || row == 0;
            opening.layout = first ? EditLayout::FirstOperand : EditLayout::Operation;
            opening.operator_enabled = !first;
            opening.operand = line.Value;
            break;
        }
    }
    return opening;
}

void LineEditor::StoreComment(int row, const std::string& text) {
    std::string comment;
    if (!Trim(text).empty()) {
        comment = std::string(kCommentPadding) + text;
    }
    if (grid_.Line(row).Comment() != comment) {
        CalcLine line = grid_.Row(row);
        line.Comment = std::move(comment);
        grid_.SetRow(row, line);
    }
}

bool LineEditor::ChangeFunction(int row, const std::string& name) {
    // An empty label would make the line look like the start of a new chain.
    if (name == grid_.Line(row).Operation() || Trim(name).empty()) {
        return false;
    }
    const std::optional<FunctionId> id = FunctionFromName(name);
    if (id && NeedsDecimals(*id)) {
        const std::optional<double> answer = AskDecimals(prompt_);
        const double count = answer && *answer >= 0.0 ? *answer : 2.0;
        CalcLine line = grid_.Row(row);
        line.Decimals = NumberToText(count);
        grid_.SetRow(row, line);
    }
    grid_.SetOperation(row, name);
    return true;
}

EditResult LineEditor::Confirm(const EditRequest& request) {
    const int row = request.row;
    if (!IsEditable(row)) {
        return Refused(row);
    }
    const Chain chain = FindChain(grid_, row);
    if (request.comment_changed) {
        StoreComment(row, request.comment);
    }
    bool recalculate = false;
    std::string operand_text;
    switch (grid_.Line(row).Kind()) {
        case LineKind::Function:
            recalculate = ChangeFunction(row, request.function);
            break;
        case LineKind::Operation:
            operand_text = request.operand;
            if (!grid_.Line(row).ValueIs(operand_text)) {
                // The box shows a decimal point as the comma it stands for;
                // beside a comma, points group thousands and stay.
                if (operand_text.find(',') == std::string::npos) {
                    for (char& c : operand_text) {
                        if (c == '.') {
                            c = ',';
                        }
                    }
                }
                const std::optional<double> number = ReadCopiedNumber(operand_text);
                if (!number) {
                    messages_.ShowMessage(kInvalidOperandMessage, MessageIcon::Critical);
                    EditResult result;
                    result.status = EditStatus::InvalidOperand;
                    result.current_row = row;
                    result.operand_text = std::move(operand_text);
                    return result;
                }
                // The same number typed again is no change: the line keeps the
                // digits it was computed with. A new one counts with its text.
                if (std::string text = NumberToText(*number); !grid_.Line(row).ValueIs(text)) {
                    grid_.SetValue(row, text);
                    recalculate = true;
                }
            }
            if (row != chain.first && request.op != grid_.Line(row).Operation() &&
                !Trim(request.op).empty()) {
                grid_.SetOperation(row, request.op);
                recalculate = true;
            }
            break;
        case LineKind::Result:
        case LineKind::Cancellation:
            break;
    }
    if (recalculate) {
        RecalculateChain(grid_, chain.first, chain.last);
    }
    EditResult result = Close(row, chain.last);
    result.operand_text = std::move(operand_text);
    return result;
}

EditResult LineEditor::Delete(int row) {
    if (!IsEditable(row) || grid_.Line(row).Kind() == LineKind::Result) {
        return Refused(row);
    }
    const Chain chain = FindChain(grid_, row);
    const int first = chain.first;
    int last = chain.last;
    const bool function_line = grid_.Line(row).Kind() == LineKind::Function;
    grid_.RemoveLine(row);
    --last;
    if (!function_line) {
        while (row <= last && grid_.Line(row).Kind() == LineKind::Function) {
            grid_.RemoveLine(row);
            --last;
        }
        if (last < first) {
            return Close(row, last);
        }
        if (row == first && !grid_.Line(first).Operation().empty()) {
            grid_.SetOperation(first, {});
        }
        for (int r = first; r <= last; ++r) {
            const PackedLine& line = grid_.Line(r);
            if (line.Kind() == LineKind::Result) {
                grid_.RemoveLine(r);
                --last;
                break;
            }
            if (r != first && IsOperatorLine(line)) {
                break;
            }
        }
        if (last - first < 1) {
            return Close(row, last);
        }
    }
    RecalculateChain(grid_, first, last);
    return Close(row, last);
}

EditResult LineEditor::Cancel(int row) {
    if (!IsEditable(row)) {
        return Refused(row);
    }
    return Close(row, FindChain(grid_, row).last);
}

EditResult LineEditor::Close(int row, int last) const {
    EditResult result;
    result.status = EditStatus::Done;
    const int grid_line = grid_.GridLine();
    result.current_row = row < grid_line ? row : grid_line;
    if (grid_line == 0) {
        result.show_x = true;
        return result;
    }
    if (last != grid_line - 1) {
        return result;
    }
    result.current_row = last;
    result.show_x = true;
    const CalcLine line = grid_.Row(last);
    if (line.Kind != LineKind::Cancellation &&
        (line.Value == kErrorText || TextToNumber(line.Value))) {
        result.follow_value = line.Value;
    }
    return result;
}

}  // namespace tallimo
