// The calculator: its state, the display text and the action of every
// keypad key. Each step is recorded in the calculation grid as it happens.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/calc_state.h"
#include "engine/keys.h"
#include "engine/message_sink.h"
#include "grid/calc_grid.h"

namespace tallimo {

inline constexpr std::string_view kPiText = "3,1415926535897932384626433832795";

// What the keypad goes on from: the state without the memories, and the
// display's text.
struct EngineSnapshot {
    CalcState state;
    std::string display;
};

class CalcEngine {
  public:
    CalcEngine(CalcGrid& grid, MessageSink& messages, TextPrompt& prompt);

    // The action of a key, run on its release.
    void Press(const KeyPress& key);

    const CalcState& State() const { return state_; }
    const std::string& Display() const { return display_; }
    int GridLine() const { return grid_.GridLine(); }

    // "M1: 0" ... the status text of memory 0..4; empty for any other index.
    std::string MemoryStatusText(int index) const;
    // Stores a value into a memory directly (the grid's F1 to F5); an index
    // outside 0..4, an infinity or a NaN changes nothing.
    void StoreMemory(int index, double value);

    // Grid mode may be entered only with a recorded line and no calculation
    // in progress.
    bool CanEnterGridMode() const;

    // "Coller": a number text, in any form ReadCopiedNumber reads, becomes
    // the current operand; false when the text is no number, which changes
    // nothing.
    bool Paste(std::string_view text);

    // "Grille vierge": the grid is emptied, X = 0, the state Cleared.
    void BlankGrid();

    // After the grid was replaced (a file opened): X and the state come from
    // the last line's value, a number giving Result, anything else 0 and
    // Cleared.
    // `computed` is the last line's number to full precision when known.
    void ContinueFromLastLine(std::optional<double> computed = std::nullopt);

    // After an edit of the last chain: X follows a number value, and the
    // state is not changed; "Erreur!" makes X 0 and the state Cleared.
    void FollowValue(std::string_view value, std::optional<double> computed = std::nullopt);

    // For undo: the state and display now, and back to them. The memories
    // are not part of it: they keep what the user stored.
    EngineSnapshot Snapshot() const { return {state_, display_}; }
    void Restore(const EngineSnapshot& snapshot);

  private:
    void AppendDigit(int digit);
    void AppendDecimalComma();
    void ShowConstant(int index);
    void Backspace();
    void ChangeSign();
    void CancelEntry();
    void Cancel();
    void OperatorKey(int index);
    void EqualsKey();
    void FunctionKey(int index, int button);
    void MemoryKey(int index, int button);

    // The typed number; on a text beyond the range of a double, shows the
    // overflow message and answers false, and the key does nothing more.
    bool ReadTyped(double& target);
    // The value on display.
    double ValueOnDisplay() const;
    void Show(double value);

    // Recording in the open row, the value's double kept beside its text.
    // Both answer the value, which the keypad goes on computing with.
    double RecordOperand(double value);
    // Y as the operand of the pending operator; when a function on the
    // previous second operand took the operator's row, Y replaces that
    // operand and its function lines.
    double RecordSecondOperand(double value);
    // X op Y, with Y recorded first when the grid does not hold it yet. A
    // failure shows its message and ends the calculation with an "Erreur!"
    // result line, X = 0 and the state Cleared; answers false then.
    bool EvaluatePending();
    // A number line keeps the double beside its text, so that recomputing
    // its chain goes on with every digit the keypad had.
    void RecordLine(std::string operation, double value, LineKind kind, std::string decimals = {});
    // "Annulation", "Erreur!": a text and no number.
    void RecordLine(std::string operation, std::string_view text, LineKind kind);

    // Applies a function to v and records its line unless it is refused;
    // returns the new value (v when refused).
    double ApplyFunction(int index, int button, double v);

    void ShowError(std::string_view message);

    CalcGrid& grid_;
    MessageSink& messages_;
    TextPrompt& prompt_;
    CalcState state_;
    std::string display_ = "0";
};

}  // namespace tallimo
