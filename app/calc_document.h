// The tape being worked on: the calculation grid, the calculator that
// records into it, the line editor that changes its lines, and the file it
// was last opened from or saved to. Every change of the tape goes through
// the commands here, which keep its history and announce it once, by
// Changed(): the window, the kept tape and the undo and redo items listen.
#pragma once

#include <QObject>
#include <QString>
#include <optional>
#include <string_view>

#include "engine/calc_engine.h"
#include "grid/calc_grid.h"
#include "gridwork/grid_history.h"
#include "gridwork/line_edit.h"

class QWidget;

namespace tallimo {

class Host;
class TapeKeeper;

// Why a file command does nothing.
inline constexpr std::string_view kOperationInProgress =
    "Une opération est en cours.\r\nTerminez la ou annulez la avant de poursuivre.";
inline constexpr std::string_view kNothingToSave =
    "La grille de calculs est vide.\r\nAucune donnée à enregistrer.";
inline constexpr std::string_view kNothingToExport =
    "La grille de calculs est vide.\r\nAucune donnée à exporter.";

class CalcDocument : public QObject {
    Q_OBJECT

  public:
    // The host shows the messages and the file dialogs.
    explicit CalcDocument(Host& host, QObject* parent = nullptr);

    const CalcGrid& Grid() const { return grid_; }
    // The grid's observer is the view's model.
    void SetGridObserver(GridObserver* observer) { grid_.SetObserver(observer); }
    const CalcEngine& Engine() const { return engine_; }
    LineEditor& Editor() { return editor_; }

    // The window's caption: "Tallimo", or "Tallimo - " and the name of the
    // file last opened or saved.
    QString Caption() const;

    // "Grille vierge": an empty grid, X = 0, the display "0", no file.
    void BlankGrid();
    // "Ouvrir": the file dialog, then the file, read and checked whole before
    // the grid is replaced. A cancel changes nothing; a bad file shows its
    // message and changes nothing either.
    void Open(QWidget* owner);
    // The same without the dialog, for a file named on the command line or
    // the last grid kept; false when the file was refused (its message
    // shown). An untitled grid takes neither the file's name nor its folder.
    enum class Naming { FromFile, Untitled };
    bool OpenPath(const QString& path, Naming naming = Naming::FromFile);
    // "Enregistrer": refused with a message while a calculation is in
    // progress or when the grid is empty; otherwise the file dialog, then the
    // grid written whole or, on failure, the old file left as it was.
    void Save(QWidget* owner);
    // Whether the grid is as it was last saved or opened from a file.
    bool Saved() const { return grid_.Revision() == saved_revision_; }

    // "Exporter pour un tableur…": the file dialog, then the grid as CSV.
    void Export(QWidget* owner);

    // The keeper of the tape on disk: told of every change of the grid's
    // lines, and the file that "Rouvrir la dernière grille" opens. None in
    // most tests.
    void SetTapeKeeper(TapeKeeper* keeper);
    // "Rouvrir la dernière grille": the tape of the previous run, untitled.
    void ReopenKept();

    // "Supprimer les calculs annulés": the cancelled calculations leave the
    // grid in one pass; nothing happens with an empty grid or while a
    // calculation is in progress. Returns the number of lines removed.
    int RemoveCancelled();

    // A keypad key: the calculator records the step. What was undone can
    // no longer be redone then.
    void Press(const KeyPress& key);
    bool Paste(std::string_view text);
    // F1 to F5 on a grid line: the line's number into that memory.
    void StoreMemory(int memory, int row);

    // The edit panel opened a line: the tape as it is now is what undo
    // brings back if the edit changes it.
    void BeginLineEdit();
    // After the edit panel closed: the calculator goes on from the edited
    // grid where the edit says so.
    void FinishLineEdit(const EditResult& result);

    // "Annuler la modification" and "Rétablir": the lines, the calculator
    // and the file name as they were before the change undone (after the
    // change redone). Neither while a calculation is in progress.
    bool CanUndo() const;
    bool CanRedo() const;
    void Undo();
    void Redo();

  signals:
    // The tape, the calculator or the file name changed.
    void Changed();

  private:
    // The folder the file dialogs start in: the last one used, else the
    // user's documents.
    QString DialogFolder() const;

    TapeState Now() const;
    void Restore(const TapeState& state);

    Host& host_;
    CalcGrid grid_;
    CalcEngine engine_;
    LineEditor editor_;
    QString file_title_;  // empty until a file is opened or saved
    QString last_folder_;
    static constexpr std::uint64_t kNeverSaved = ~std::uint64_t{0};
    std::uint64_t saved_revision_ = kNeverSaved;
    GridHistory history_;
    std::optional<TapeState> edit_before_;
    TapeKeeper* keeper_ = nullptr;
    std::uint64_t kept_revision_ = 0;
};

}  // namespace tallimo
