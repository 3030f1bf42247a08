// Editing one recorded line of the grid, and recomputing the calculation
// chain that holds it. The edit panel is a thin layer over LineEditor: it
// opens a line, shows what Open() returns, and hands the boxes' texts back to
// Confirm(), Delete() or Cancel(); EditResult then tells it where the grid's
// current row goes and whether X follows the grid's last result.
//
// Recalculation goes through Evaluate and ComputeFunction, so a chain that is
// recomputed always agrees with the keypad, except that a failure never shows
// a message here: it writes "Erreur!" into the lines it reaches.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/message_sink.h"
#include "grid/calc_grid.h"

namespace tallimo {

inline constexpr std::string_view kEditCaptionPrefix = "Edition de la ligne: ";
inline constexpr std::string_view kCancellationLineMessage =
    "Ligne d'annulation. Edition impossible.";
inline constexpr std::string_view kInvalidOperandMessage =
    "Vous n'avez pas saisi une donnée valide.";

// A calculation chain: its first operand and its last line, both recorded
// lines. An empty chain (after a deletion) has last < first.
struct Chain {
    int first = 0;
    int last = -1;
    bool operator==(const Chain&) const = default;
};

// The chain of a recorded line (0 <= row < GridLine()): up to the nearest
// line with an empty operation, or row 0 whatever it holds (a file may start
// with an operator), then down to the line before the next empty operation
// or the open row. Costs the length of the chain, not of the grid.
Chain FindChain(const CalcGrid& grid, int row);

// accumulator = accumulator op operand, by the keypad's operator rules. A
// failing operand, or a failing evaluation, sets the accumulator's error flag
// (never clears it); an operator outside the list leaves the accumulator as
// it is without an error.
void ApplyPendingOperation(double& accumulator, double operand, std::string_view op,
                           bool& accumulator_error, bool operand_error);

// Applies the function named by the row's operation to `value`, writes the
// row's value ("Erreur!" when `error` is set afterwards) and returns the new
// value. A refused or overflowing function sets `error` and returns `value`.
// "Décimal" and "Arrond" take their count from the row's decimals; a name
// outside the list, a missing or negative count, or a whole value leaves the
// value unchanged without an error.
double RecalcFunctionLine(CalcGrid& grid, int row, double value, bool& error);

// Recomputes rows first + 1 to last from the value of row first, rewriting
// the function and result lines. Every operand counts with its number
// (CalcLine::Number): the double the keypad computed with while the program
// runs, the value of its text once edited or read from a file. Nothing happens when last <= first.
// Only values that change are written, so a view is told about those rows only.
void RecalculateChain(CalcGrid& grid, int first, int last);

// The number of the last recorded line as its chain computes it, to every
// digit the text of the line leaves out, so that the calculator goes on from
// a grid it did not compute itself as it would from its own. Nothing when the
// line holds no number, or when the chain does not give the line's text.
std::optional<double> ComputedLastValue(const CalcGrid& grid);

// How the panel lays itself out for a line.
enum class EditLayout {
    Function,      // function box and comment
    Result,        // comment only; the line cannot be deleted
    Operation,     // operator box, operand box and comment
    FirstOperand,  // as Operation, but the operator box is disabled
};

enum class OpenStatus {
    Opened,
    CancellationLine,  // the message was shown; nothing opens
    OpenRow,           // not a recorded line; nothing happens
};

// What the panel shows for an opened line.
struct LineOpening {
    OpenStatus status = OpenStatus::OpenRow;
    EditLayout layout = EditLayout::Operation;
    std::string caption;    // "Edition de la ligne: " + operation + " " + value
    std::string operation;  // the function or operator box
    std::string operand;    // the operand box (operation lines)
    std::string comment;    // the comment without its padding
    bool can_delete = false;
    bool operator_enabled = false;
};

// The boxes of the panel when "&OK" is pressed. `comment` must already hold
// only characters the calculation file can store. Texts that the line's
// layout does not show are ignored.
struct EditRequest {
    int row = 0;
    bool comment_changed = false;
    std::string comment = {};
    std::string function = {};  // cboFonction
    std::string op = {};        // cboOpération
    std::string operand = {};   // txtOpération
};

enum class EditStatus {
    Done,            // the panel closes
    InvalidOperand,  // the message was shown; the panel stays open with the
                     // focus in the operand box, which shows operand_text
    Refused,         // not an editable line (open row, cancellation line,
                     // or a result line to delete); nothing changed
};

struct EditResult {
    EditStatus status = EditStatus::Refused;
    // The grid's current row once the panel closes.
    int current_row = 0;
    // The display must show X again: the edited chain is the grid's last, or
    // the grid is empty now.
    bool show_x = false;
    // The value text X follows first (pass it to CalcEngine::FollowValue): a
    // number, or "Erreur!", which ends the calculation (X = 0, Cleared);
    // nothing when X stays as it is, such as after a cancellation line.
    std::optional<std::string> follow_value;
    // The operand box's text with a decimal point turned into a comma (when
    // the text has no comma, beside which points group thousands).
    std::string operand_text;
};

class LineEditor {
  public:
    // `messages` gets the panel's two messages; `prompt` the decimals count.
    // Nothing is shown while a chain is recomputed.
    LineEditor(CalcGrid& grid, MessageSink& messages, TextPrompt& prompt);

    LineOpening Open(int row);
    // "&Supprimer": functions applied to a deleted operand go with it, a
    // chain left without an operator loses its "=" line, and the next operand
    // becomes the first when the first is deleted.
    EditResult Delete(int row);
    // "&OK": the comment first, then the function, or the operand and the
    // operator; the chain is recomputed when a value or a label changed.
    EditResult Confirm(const EditRequest& request);
    // "&Annuler".
    EditResult Cancel(int row);

  private:
    bool IsEditable(int row) const;
    void StoreComment(int row, const std::string& text);
    bool ChangeFunction(int row, const std::string& name);
    EditResult Close(int row, int last) const;

    CalcGrid& grid_;
    MessageSink& messages_;
    TextPrompt& prompt_;
};

}  // namespace tallimo
