#include "app/calc_document.h"

#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>

#include "app/tape_keeper.h"
#include "gridwork/calc_file.h"
#include "gridwork/cancelled_calculations.h"
#include "gridwork/csv_export.h"
#include "platform/c_open_save_file.h"
#include "platform/host.h"

namespace tallimo {

namespace {

constexpr char kFileFilter[] = "Calculs (*.dat)|*.dat";

}  // namespace

CalcDocument::CalcDocument(Host& host, QObject* parent)
    : QObject(parent), host_(host), engine_(grid_, host, host), editor_(grid_, host, host) {
    // The keeper hears of the grid's lines, not of every digit typed.
    connect(this, &CalcDocument::Changed, this, [this] {
        if (keeper_ != nullptr && grid_.Revision() != kept_revision_) {
            kept_revision_ = grid_.Revision();
            keeper_->GridChanged();
        }
    });
}

QString CalcDocument::Caption() const {
    const QString title = QStringLiteral("Tallimo");
    return file_title_.isEmpty() ? title : title + QStringLiteral(" - ") + file_title_;
}

void CalcDocument::BlankGrid() {
    if (grid_.GridLine() > 0) {
        history_.Record(Now());
    }
    engine_.BlankGrid();
    file_title_.clear();
    emit Changed();
}

QString CalcDocument::DialogFolder() const {
    if (!last_folder_.isEmpty() && QFileInfo(last_folder_).isDir()) {
        return last_folder_;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void CalcDocument::Open(QWidget* owner) {
    cOpenSaveFile dialog(host_);
    dialog.Owner = owner;
    dialog.InitDir = DialogFolder();
    dialog.FileMustExist = true;
    dialog.Filter = QString::fromLatin1(kFileFilter);
    if (dialog.ShowOpen() == 0) {
        return;
    }
    OpenPath(dialog.FileName);
}

bool CalcDocument::OpenPath(const QString& path, Naming naming) {
    const QFileInfo info(path);
    if (naming == Naming::FromFile) {
        last_folder_ = info.absolutePath();
    }
    PackedFile file = LoadCalculationLines(QFile::encodeName(path).toStdString());
    if (file.error != FileError::None) {
        host_.ShowMessage(FileErrorMessage(file.error, QFile::encodeName(path).toStdString()));
        return false;
    }
    history_.Record(Now());
    grid_.Reset(std::move(file.lines));
    engine_.ContinueFromLastLine(ComputedLastValue(grid_));
    file_title_ = naming == Naming::FromFile ? info.fileName() : QString();
    saved_revision_ = naming == Naming::FromFile ? grid_.Revision() : kNeverSaved;
    emit Changed();
    return true;
}

void CalcDocument::Save(QWidget* owner) {
    if (engine_.State().OperatorPending) {
        host_.ShowMessage(kOperationInProgress);
        return;
    }
    if (grid_.GridLine() == 0) {
        host_.ShowMessage(kNothingToSave);
        return;
    }
    cOpenSaveFile dialog(host_);
    dialog.Owner = owner;
    dialog.InitDir = DialogFolder();
    dialog.OverWritePrompt = true;
    dialog.DefaultExt = QStringLiteral("dat");
    dialog.Filter = QString::fromLatin1(kFileFilter);
    if (!dialog.ShowSave()) {
        return;
    }
    last_folder_ = QFileInfo(dialog.FileName).absolutePath();
    const FileError error =
        SaveCalculationFile(QFile::encodeName(dialog.FileName).toStdString(), grid_.Recorded());
    if (error != FileError::None) {
        host_.ShowMessage(
            FileErrorMessage(error, QFile::encodeName(dialog.FileName).toStdString()));
        return;
    }
    file_title_ = dialog.FileTitle();
    saved_revision_ = grid_.Revision();
    emit Changed();
}

void CalcDocument::Export(QWidget* owner) {
    if (grid_.GridLine() == 0) {
        host_.ShowMessage(kNothingToExport);
        return;
    }
    cOpenSaveFile dialog(host_);
    dialog.Owner = owner;
    dialog.DlgTitle = QStringLiteral("Exporter pour un tableur");
    dialog.OverWritePrompt = true;
    dialog.DefaultExt = QStringLiteral("csv");
    dialog.Filter = QStringLiteral("Tableur CSV (*.csv)|*.csv");
    if (!dialog.ShowSave()) {
        return;
    }
    const std::string path = QFile::encodeName(dialog.FileName).toStdString();
    if (const FileError error = ExportCsv(path, grid_.RecordedLines()); error != FileError::None) {
        host_.ShowMessage(FileErrorMessage(error, path));
    }
}

void CalcDocument::SetTapeKeeper(TapeKeeper* keeper) {
    keeper_ = keeper;
    kept_revision_ = grid_.Revision();
    if (keeper != nullptr) {
        keeper->SetSavedCheck([this] { return Saved(); });
        // Said after the change that showed it, never in its midst.
        const auto say = [this](const QString& text) { host_.ShowMessage(text.toStdString()); };
        connect(keeper, &TapeKeeper::KeepingFailed, this, say, Qt::QueuedConnection);
        connect(keeper, &TapeKeeper::KeepingResumed, this, say, Qt::QueuedConnection);
    }
}

void CalcDocument::ReopenKept() {
    if (keeper_ == nullptr) {
        return;
    }
    // Untitled, so that "Enregistrer" never writes into the state folder.
    const QString message = keeper_->ReopenNewest(
        [this](const QString& path) { return OpenPath(path, Naming::Untitled); });
    if (!message.isEmpty()) {
        host_.ShowMessage(message.toStdString());
    }
}

int CalcDocument::RemoveCancelled() {
    if (!CanRemoveCancelledCalculations(grid_, engine_.State())) {
        return 0;
    }
    TapeState before = Now();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const int removed = RemoveCancelledCalculations(grid_, engine_.State());
    QGuiApplication::restoreOverrideCursor();
    if (removed > 0) {
        history_.Record(std::move(before));
        emit Changed();
    }
    return removed;
}

void CalcDocument::Press(const KeyPress& key) {
    engine_.Press(key);
    history_.ForgetRedo();
    emit Changed();
}

bool CalcDocument::Paste(std::string_view text) {
    history_.ForgetRedo();
    const bool pasted = engine_.Paste(text);
    emit Changed();
    return pasted;
}

void CalcDocument::StoreMemory(int memory, int row) {
    if (row >= grid_.RowCount()) {
        return;
    }
    // "Annulation", "Erreur!" and the empty open row hold no number to keep.
    if (const auto value = grid_.Line(row).Number()) {
        engine_.StoreMemory(memory, *value);
        emit Changed();
    }
}

void CalcDocument::BeginLineEdit() {
    edit_before_ = Now();
}

void CalcDocument::FinishLineEdit(const EditResult& result) {
    if (result.show_x || result.follow_value) {
        // X follows the last line, which is the edited chain's end here.
        engine_.FollowValue(result.follow_value.value_or(std::string()), ComputedLastValue(grid_));
    }
    if (edit_before_ && !edit_before_->lines.Matches(grid_.Lines())) {
        history_.Record(std::move(*edit_before_));
    }
    edit_before_.reset();
    emit Changed();
}

TapeState CalcDocument::Now() const {
    return {LineSnapshot(grid_.Lines(), history_.Base()), engine_.Snapshot(),
            file_title_.toStdString()};
}

void CalcDocument::Restore(const TapeState& state) {
    std::vector<PackedLine> lines = state.lines.Lines();
    PackedLine open;
    if (!lines.empty()) {
        open = std::move(lines.back());
        lines.pop_back();
    }
    grid_.Reset(std::move(lines));
    if (!(open == PackedLine{})) {
        grid_.SetRow(grid_.GridLine(), std::move(open));
    }
    engine_.Restore(state.engine);
    file_title_ = QString::fromStdString(state.file_title);
}

bool CalcDocument::CanUndo() const {
    return history_.CanUndo() && !engine_.State().OperatorPending;
}

bool CalcDocument::CanRedo() const {
    return history_.CanRedo() && !engine_.State().OperatorPending;
}

void CalcDocument::Undo() {
    if (CanUndo()) {
        Restore(*history_.Undo(Now()));
        emit Changed();
    }
}

void CalcDocument::Redo() {
    if (CanRedo()) {
        Restore(*history_.Redo(Now()));
        emit Changed();
    }
}

}  // namespace tallimo
