#include "platform/c_open_save_file.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace tallimo {

namespace {

cOpenSaveFile::Chooser& TestChooser() {
    static cOpenSaveFile::Chooser chooser;
    return chooser;
}

QStringList RunDialog(const cOpenSaveFile::Request& request) {
    QFileDialog dialog(request.owner, request.title, request.directory);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save                 ? QFileDialog::AnyFile
                       : request.allow_multi_select ? QFileDialog::ExistingFiles
                       : request.file_must_exist    ? QFileDialog::ExistingFile
                                                    : QFileDialog::AnyFile);
    dialog.setNameFilters(request.name_filters);
    dialog.setDefaultSuffix(request.default_suffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwrite_prompt);
    dialog.setOption(QFileDialog::ReadOnly, request.read_only);
    if (!request.file_name.isEmpty()) {
        dialog.selectFile(request.file_name);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.selectedFiles();
}

}  // namespace

cOpenSaveFile::cOpenSaveFile() : hwndOwner(QApplication::activeWindow()) {}

QStringList cOpenSaveFile::NameFilters() const {
    QStringList filters;
    const QStringList parts = Filter.split(QLatin1Char('|'));
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt reads the patterns from the parentheses of the description.
        filters << (description.contains(QLatin1Char('('))
                        ? description
                        : description + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return filters;
}

cOpenSaveFile::Request cOpenSaveFile::MakeRequest(bool save) const {
    Request request;
    request.save = save;
    request.owner = hwndOwner;
    request.title = DlgTitle;
    request.directory = InitDir;
    request.file_name = FileName;
    request.name_filters = NameFilters();
    request.default_suffix = DefaultExt;
    request.allow_multi_select = AllowMultiSelect && !save;
    request.file_must_exist = FileMustExist;
    request.overwrite_prompt = OverWritePrompt;
    request.create_prompt = CreatePrompt;
    request.read_only = ReadOnly;
    return request;
}

QStringList cOpenSaveFile::Run(const Request& request) {
    last_error_ = 0;
    QStringList chosen = TestChooser() ? TestChooser()(request) : RunDialog(request);
    if (chosen.isEmpty()) {
        return {};
    }
    if (request.save && !request.default_suffix.isEmpty() &&
        QFileInfo(chosen.front()).suffix().isEmpty()) {
        chosen.front() += QLatin1Char('.') + request.default_suffix;
    }
    FileName = chosen.size() == 1 ? chosen.front() : chosen.join(QChar(0));
    file_title_ = QFileInfo(chosen.front()).fileName();
    return chosen;
}

int cOpenSaveFile::ShowOpen() {
    return static_cast<int>(Run(MakeRequest(false)).size());
}

bool cOpenSaveFile::ShowSave() {
    return !Run(MakeRequest(true)).isEmpty();
}

int cOpenSaveFile::ErrCodeDlg(QString& message) const {
    message = last_error_ == 0 ? QStringLiteral("L'utilisateur a annulé l'opération.")
                               : QStringLiteral("Impossible d'afficher la boîte de dialogue.");
    return last_error_;
}

void cOpenSaveFile::SetChooserForTesting(Chooser chooser) {
    TestChooser() = std::move(chooser);
}

}  // namespace tallimo
