#include "engine/calc_engine.h"

#include <cmath>
#include <utility>

#include "engine/functions.h"
#include "engine/operators.h"
#include "numbers/copied_number.h"
#include "numbers/number_text.h"

namespace tallimo {

namespace {

// The operator waiting for its second operand, or none ({}): the state's two
// fields say it together, and only here.
void SetPending(CalcState& state, std::string name) {
    state.OperatorPending = !name.empty();
    state.PendingOperator = std::move(name);
}

double Negated(double v) {
    return v == 0.0 ? 0.0 : -v;
}

// An unknown operator leaves X as it is without a message, as in the grid.
bool Failed(EvalError error) {
    return error != EvalError::None && error != EvalError::UnknownOperator;
}

}  // namespace

CalcEngine::CalcEngine(CalcGrid& grid, MessageSink& messages, TextPrompt& prompt)
    : grid_(grid), messages_(messages), prompt_(prompt) {}

void CalcEngine::Press(const KeyPress& key) {
    switch (key.key) {
        case Key::Digit:
            AppendDigit(key.index);
            break;
        case Key::DecimalComma:
            AppendDecimalComma();
            break;
        case Key::Constant:
            ShowConstant(key.index);
            break;
        case Key::Backspace:
            Backspace();
            break;
        case Key::Sign:
            ChangeSign();
            break;
        case Key::CancelEntry:
            CancelEntry();
            break;
        case Key::Cancel:
            Cancel();
            break;
        case Key::Operator:
            OperatorKey(key.index);
            break;
        case Key::Equals:
            EqualsKey();
            break;
        case Key::Function:
            FunctionKey(key.index, key.button);
            break;
        case Key::Memory:
            MemoryKey(key.index, key.button);
            break;
    }
}

std::string CalcEngine::MemoryStatusText(int index) const {
    if (index < 0 || index >= kMemoryCount) {
        return {};
    }
    return "M" + std::to_string(index + 1) + ": " +
           NumberToText(state_.Memories[static_cast<std::size_t>(index)]);
}

void CalcEngine::StoreMemory(int index, double value) {
    if (index >= 0 && index < kMemoryCount && std::isfinite(value)) {
        state_.Memories[static_cast<std::size_t>(index)] = value;
    }
}

bool CalcEngine::CanEnterGridMode() const {
    return grid_.GridLine() != 0 && !state_.OperatorPending;
}

bool CalcEngine::Paste(std::string_view text) {
    const std::optional<double> value = ReadCopiedNumber(text);
    if (!value) {
        return false;
    }
    (state_.OperatorPending ? state_.Y : state_.X) = *value;
    Show(*value);
    state_.Entry = EntryState::Recalled;
    return true;
}

void CalcEngine::BlankGrid() {
    grid_.Reset();
    // A calculation cannot outlive its grid: its operator line is gone.
    SetPending(state_, {});
    state_.X = 0.0;
    state_.Entry = EntryState::Cleared;
    Show(state_.X);
}

void CalcEngine::ContinueFromLastLine(std::optional<double> computed) {
    SetPending(state_, {});
    state_.X = 0.0;
    state_.Entry = EntryState::Cleared;
    if (grid_.GridLine() > 0) {
        const std::string value = grid_.Line(grid_.GridLine() - 1).Value();
        if (value != kCancellationText && value != kErrorText) {
            if (const std::optional<double> x = TextToNumber(value)) {
                state_.X = computed.value_or(*x);
                state_.Entry = EntryState::Result;
            }
        }
    }
    Show(state_.X);
}

void CalcEngine::Restore(const EngineSnapshot& snapshot) {
    const auto memories = state_.Memories;
    state_ = snapshot.state;
    state_.Memories = memories;
    display_ = snapshot.display;
}

void CalcEngine::FollowValue(std::string_view value, std::optional<double> computed) {
    if (value == kErrorText) {
        // The calculation ends in an error: nothing to go on from, as when a
        // file ending in "Erreur!" is opened.
        state_.X = 0.0;
        state_.Entry = EntryState::Cleared;
    } else if (value != kCancellationText) {
        if (const std::optional<double> x = TextToNumber(value)) {
            state_.X = computed.value_or(*x);
        }
    }
    Show(state_.X);
}

void CalcEngine::AppendDigit(int digit) {
    const char c = static_cast<char>('0' + digit);
    if (state_.Entry != EntryState::Typing) {
        display_.assign(1, c);
        state_.Entry = EntryState::Typing;
    } else if (display_ == "0") {
        display_.assign(1, c);
    } else {
        display_ += c;
    }
}

void CalcEngine::AppendDecimalComma() {
    if (state_.Entry != EntryState::Typing) {
        display_ = "0,";
        state_.Entry = EntryState::Typing;
    } else if (display_.find(',') == std::string::npos) {
        display_ += ',';
    }
}

void CalcEngine::ShowConstant(int index) {
    if (index == 0) {
        display_ = kPiText;
        state_.Entry = EntryState::Typing;
    }
}

void CalcEngine::Backspace() {
    if (state_.Entry != EntryState::Typing) {
        return;
    }
    if (display_.size() <= 1 || (display_.size() == 2 && display_.front() == '-')) {
        display_ = "0";
    } else {
        display_.pop_back();
    }
}

void CalcEngine::ChangeSign() {
    if (state_.Entry == EntryState::Typing) {
        if (display_ == "0") {
            return;
        }
        if (display_.front() == '-') {
            display_.erase(0, 1);
        } else {
            display_.insert(0, 1, '-');
        }
        return;
    }
    if (state_.OperatorPending) {
        if (state_.Entry == EntryState::Recalled) {
            state_.Y = Negated(RecordSecondOperand(state_.Y));
        } else if (state_.Entry == EntryState::OperatorPressed) {
            state_.Y = Negated(RecordOperand(state_.X));
        } else {
            state_.Y = Negated(state_.Y);
        }
        RecordLine("+/-", state_.Y, LineKind::Function);
        Show(state_.Y);
    } else {
        // A cleared 0 is recorded too, so that the sign line has a first
        // operand of its own and never joins the calculation above it.
        if (state_.Entry == EntryState::Recalled || state_.Entry == EntryState::Cleared) {
            state_.X = RecordOperand(state_.X);
        }
        state_.X = Negated(state_.X);
        RecordLine("+/-", state_.X, LineKind::Function);
        Show(state_.X);
    }
    state_.Entry = EntryState::Result;
}

void CalcEngine::CancelEntry() {
    if (state_.OperatorPending) {
        state_.Y = 0.0;
        // After a function on the second operand, the 0 replaces the
        // function's recorded result: it is recorded, with the operator, by
        // the next key that uses it.
        if (state_.Entry == EntryState::Result) {
            state_.Entry = EntryState::Recalled;
        }
    } else {
        state_.X = 0.0;
        // A recorded result is no longer what the display shows: the 0 must
        // be recorded as a new first operand by the next key that uses it.
        if (state_.Entry == EntryState::Result) {
            state_.Entry = EntryState::Cleared;
        }
    }
    display_ = "0";
}

void CalcEngine::Cancel() {
    if (state_.OperatorPending) {
        RecordLine({}, kCancellationText, LineKind::Cancellation);
    }
    state_.X = 0.0;
    SetPending(state_, {});
    state_.Entry = EntryState::Cleared;
    display_ = "0";
}

void CalcEngine::OperatorKey(int index) {
    const std::string name(OperatorName(index));
    if (name.empty()) {
        return;
    }
    if (state_.Entry == EntryState::OperatorPressed) {
        SetPending(state_, name);
        grid_.SetOperation(grid_.GridLine(), name);
        return;
    }
    if (!state_.OperatorPending) {
        if (state_.Entry == EntryState::Typing && !ReadTyped(state_.X)) {
            return;
        }
        if (state_.Entry != EntryState::Result) {
            state_.X = RecordOperand(state_.X);
        }
    } else {
        if (state_.Entry == EntryState::Typing && !ReadTyped(state_.Y)) {
            return;
        }
        if (!EvaluatePending()) {
            return;
        }
    }
    Show(state_.X);
    SetPending(state_, name);
    grid_.SetOperation(grid_.GridLine(), name);
    state_.Entry = EntryState::OperatorPressed;
}

void CalcEngine::EqualsKey() {
    if (!state_.OperatorPending) {
        return;
    }
    if (state_.Entry != EntryState::OperatorPressed) {
        if (state_.Entry == EntryState::Typing && !ReadTyped(state_.Y)) {
            return;
        }
        if (!EvaluatePending()) {
            return;
        }
    }
    RecordLine("=", state_.X, LineKind::Result);
    Show(state_.X);
    SetPending(state_, {});
    state_.Entry = EntryState::Result;
}

void CalcEngine::FunctionKey(int index, int button) {
    if (index < 0 || index >= kFunctionKeyCount) {
        return;
    }
    if (state_.OperatorPending) {
        switch (state_.Entry) {
            case EntryState::Typing:
                if (!ReadTyped(state_.Y)) {
                    return;
                }
                state_.Y = RecordSecondOperand(state_.Y);
                break;
            case EntryState::Recalled:
                state_.Y = RecordSecondOperand(state_.Y);
                break;
            case EntryState::OperatorPressed:
                state_.Y = RecordOperand(state_.X);
                break;
            default:
                break;
        }
        state_.Y = ApplyFunction(index, button, state_.Y);
        Show(state_.Y);
    } else {
        if (state_.Entry == EntryState::Typing && !ReadTyped(state_.X)) {
            return;
        }
        if (state_.Entry != EntryState::Result) {
            state_.X = RecordOperand(state_.X);
        }
        state_.X = ApplyFunction(index, button, state_.X);
        Show(state_.X);
    }
    state_.Entry = EntryState::Result;
}

void CalcEngine::MemoryKey(int index, int button) {
    if (index < 0 || index >= kMemoryCount) {
        return;
    }
    double& memory = state_.Memories[static_cast<std::size_t>(index)];
    if (button == 1) {
        if (state_.Entry == EntryState::Typing) {
            double typed = 0.0;
            if (!ReadTyped(typed)) {
                return;
            }
            memory = typed;
        } else {
            memory = ValueOnDisplay();
        }
        return;
    }
    (state_.OperatorPending ? state_.Y : state_.X) = memory;
    Show(memory);
    state_.Entry = EntryState::Recalled;
}

bool CalcEngine::ReadTyped(double& target) {
    if (const std::optional<double> value = TextToNumber(display_)) {
        target = *value;
        return true;
    }
    ShowError(EvalErrorMessage(EvalError::Overflow));
    return false;
}

double CalcEngine::ValueOnDisplay() const {
    if (state_.Entry == EntryState::Typing) {
        return TextToNumber(display_).value_or(0.0);
    }
    if (state_.OperatorPending &&
        (state_.Entry == EntryState::Result || state_.Entry == EntryState::Recalled)) {
        return state_.Y;
    }
    return state_.X;
}

void CalcEngine::Show(double value) {
    display_ = NumberToText(value);
}

double CalcEngine::RecordOperand(double value) {
    grid_.SetComputedValue(grid_.GridLine(), value);
    grid_.NewGridLine();
    return value;
}

double CalcEngine::RecordSecondOperand(double value) {
    if (grid_.OpenLine().Operation().empty()) {
        // The open row lost the operator to a function on the second
        // operand, and this value replaces that operand (a number typed,
        // recalled or pasted, or a clear entry). Its operator line and
        // function lines go, as a second operator takes the place of the
        // first, and the value is recorded with the operator: recomputing
        // "9 + 5" then gives what the keypad computed, where keeping
        // "+ 4, RCarrée 2" before "+ 5" would add the 2 as well.
        int first = grid_.GridLine() - 1;
        while (first > 0 && grid_.Line(first).Kind() == LineKind::Function) {
            --first;
        }
        if (first >= 0 && grid_.Line(first).Kind() == LineKind::Operation &&
            !grid_.Line(first).Operation().empty()) {
            while (grid_.GridLine() > first) {
                grid_.RemoveLine(grid_.GridLine() - 1);
            }
        }
        grid_.SetOperation(grid_.GridLine(), state_.PendingOperator);
    }
    return RecordOperand(value);
}

bool CalcEngine::EvaluatePending() {
    const bool record = state_.Entry == EntryState::Typing || state_.Entry == EntryState::Recalled;
    const EvalError error = Evaluate(state_.X, state_.Y, state_.PendingOperator);
    if (Failed(error)) {
        // The calculation ends here, as recomputing it would end it: its
        // result line reads "Erreur!" and the key starts nothing new.
        ShowError(EvalErrorMessage(error));
        if (record) {
            RecordSecondOperand(state_.Y);
        }
        RecordLine("=", kErrorText, LineKind::Result);
        state_.X = 0.0;
        SetPending(state_, {});
        state_.Entry = EntryState::Cleared;
        display_ = "0";
        return false;
    }
    if (record) {
        RecordSecondOperand(state_.Y);
    }
    return true;
}

void CalcEngine::RecordLine(std::string operation, double value, LineKind kind,
                            std::string decimals) {
    PackedLine line(kind, operation, {}, {}, decimals);
    line.SetComputedValue(value);
    grid_.SetRow(grid_.GridLine(), std::move(line));
    grid_.NewGridLine();
}

void CalcEngine::RecordLine(std::string operation, std::string_view text, LineKind kind) {
    grid_.SetRow(grid_.GridLine(), PackedLine(kind, operation, text, {}, {}));
    grid_.NewGridLine();
}

double CalcEngine::ApplyFunction(int index, int button, double v) {
    const FunctionId id = FunctionForKey(index, button);
    int decimals = 0;
    std::string decimals_text;
    if (NeedsDecimals(id)) {
        if (ComputeFunction(id, v, 0).status == FunctionStatus::Refused) {
            return v;  // a whole number: no question asked
        }
        const std::optional<double> answer = AskDecimals(prompt_);
        if (!answer || *answer < 0.0) {
            return v;
        }
        // The grid keeps the answer's text, and recomputing reads the count
        // from there; the answer is a whole number.
        decimals = DecimalsFromAnswer(*answer);
        decimals_text = NumberToText(*answer);
    }
    const FunctionResult result = ComputeFunction(id, v, decimals);
    if (result.status == FunctionStatus::Overflow) {
        ShowError(EvalErrorMessage(EvalError::Overflow));
        return v;
    }
    if (result.status == FunctionStatus::Refused) {
        return v;
    }
    RecordLine(std::string(FunctionName(id)), result.value, LineKind::Function,
               std::move(decimals_text));
    return result.value;
}

void CalcEngine::ShowError(std::string_view message) {
    if (!message.empty()) {
        messages_.ShowMessage(message);
    }
}

}  // namespace tallimo
