#include "platform/qt_host.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>

namespace tallimo {

namespace {

constexpr char kTitle[] = "Tallimo";

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void QtHost::ShowMessage(std::string_view text, MessageIcon icon) {
    // The program's texts break their lines the Windows way.
    const QString shown = FromUtf8(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon,
                    QString::fromLatin1(kTitle), shown, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

std::optional<std::string> QtHost::AskText(std::string_view prompt,
                                           std::string_view default_answer) {
    bool accepted = false;
    const QString answer = QInputDialog::getText(
        QApplication::activeWindow(), QString::fromLatin1(kTitle), FromUtf8(prompt),
        QLineEdit::Normal, FromUtf8(default_answer), &accepted);
    if (!accepted) {
        return std::nullopt;
    }
    return answer.toStdString();
}

Host::ChosenFiles QtHost::ChooseFiles(const FileDialogRequest& request) {
    QFileDialog dialog(request.owner, request.title, request.directory);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save                 ? QFileDialog::AnyFile
                       : request.allow_multi_select ? QFileDialog::ExistingFiles
                       : request.file_must_exist    ? QFileDialog::ExistingFile
                                                    : QFileDialog::AnyFile);
    dialog.setNameFilters(request.name_filters);
    if (request.filter_index >= 0 && request.filter_index < request.name_filters.size()) {
        dialog.selectNameFilter(request.name_filters[request.filter_index]);
    }
    dialog.setDefaultSuffix(request.default_suffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwrite_prompt);
    if (!request.file_name.isEmpty()) {
        dialog.selectFile(request.file_name);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return {dialog.selectedFiles(),
            static_cast<int>(request.name_filters.indexOf(dialog.selectedNameFilter()))};
}

void QtHost::RunLater(int milliseconds, QObject* context, std::function<void()> action) {
    QTimer::singleShot(milliseconds, context, std::move(action));
}

}  // namespace tallimo
