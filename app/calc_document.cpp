#include "app/calc_document.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "gridwork/calc_file.h"
#include "gridwork/cancelled_calculations.h"
#include "platform/c_open_save_file.h"
#include "platform/host.h"

namespace tallimo {

namespace {

constexpr char kFileFilter[] = "Calculs (*.dat)|*.dat";
constexpr std::string_view kOperationInProgress =
    "Une opération est en cours.\r\nTerminez la ou annulez la avant de poursuivre.";
constexpr std::string_view kNothingToSave =
    "La grille de calculs est vide.\r\nAucune donnée à enregistrer.";

}  // namespace

CalcDocument::CalcDocument(Host& host)
    : host_(host), engine_(grid_, host, host), editor_(grid_, host, host) {}

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
    ParsedFile file = LoadCalculationFile(QFile::encodeName(path).toStdString());
    if (file.error != FileError::None) {
        host_.ShowMessage(FileErrorMessage(file.error, QFile::encodeName(path).toStdString()));
        return false;
    }
    history_.Record(Now());
    grid_.Reset(std::move(file.lines));
    engine_.ContinueFromLastLine(ComputedLastValue(grid_));
    file_title_ = naming == Naming::FromFile ? info.fileName() : QString();
    saved_revision_ = naming == Naming::FromFile ? grid_.Revision() : kNeverSaved;
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
    const FileError error = SaveCalculationFile(QFile::encodeName(dialog.FileName).toStdString(),
                                                grid_.RecordedLines());
    if (error != FileError::None) {
        host_.ShowMessage(
            FileErrorMessage(error, QFile::encodeName(dialog.FileName).toStdString()));
        return;
    }
    file_title_ = dialog.FileTitle();
    saved_revision_ = grid_.Revision();
}

int CalcDocument::RemoveCancelled() {
    if (!CanRemoveCancelledCalculations(grid_, engine_.State())) {
        return 0;
    }
    TapeState before = Now();
    const int removed = RemoveCancelledCalculations(grid_, engine_.State());
    if (removed > 0) {
        history_.Record(std::move(before));
    }
    return removed;
}

void CalcDocument::Press(const KeyPress& key) {
    engine_.Press(key);
    history_.ForgetRedo();
}

bool CalcDocument::Paste(std::string_view text) {
    history_.ForgetRedo();
    return engine_.Paste(text);
}

void CalcDocument::BeginLineEdit() {
    edit_before_ = Now();
}

void CalcDocument::FinishLineEdit(const EditResult& result) {
    if (result.show_x || result.follow_value) {
        // X follows the last line, which is the edited chain's end here.
        engine_.FollowValue(result.follow_value.value_or(std::string()), ComputedLastValue(grid_));
    }
    if (edit_before_ && !edit_before_->lines.Matches(grid_.Rows())) {
        history_.Record(std::move(*edit_before_));
    }
    edit_before_.reset();
}

TapeState CalcDocument::Now() const {
    return {LineSnapshot(grid_.Rows(), history_.Base()), engine_.Snapshot(),
            file_title_.toStdString()};
}

void CalcDocument::Restore(const TapeState& state) {
    std::vector<CalcLine> lines = state.lines.Lines();
    CalcLine open;
    if (!lines.empty()) {
        open = std::move(lines.back());
        lines.pop_back();
    }
    grid_.Reset(std::move(lines));
    if (open != CalcLine{}) {
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
    }
}

void CalcDocument::Redo() {
    if (CanRedo()) {
        Restore(*history_.Redo(Now()));
    }
}

}  // namespace tallimo
