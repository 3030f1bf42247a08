#include "app/qt_host.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTimer>
#include <QUrl>

#include "app/qt_settings_store.h"
#include "appearance/ui/system_colors.h"
#include "platform/dialog_centring.h"
#include "platform/shell_basics.h"

namespace tallimo {

namespace {

constexpr char kTitle[] = "Tallimo";

}  // namespace

QtHost::QtHost() {
    custom_colors_.fill(qRgb(255, 255, 255));
}

QtHost::~QtHost() = default;

void QtHost::ShowMessage(std::string_view text, MessageIcon icon) {
    // The program's texts break their lines the Windows way.
    const QString shown = Utf8(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon,
                    QString::fromLatin1(kTitle), shown, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

std::optional<std::string> QtHost::AskText(std::string_view prompt,
                                           std::string_view default_answer) {
    bool accepted = false;
    const QString answer =
        QInputDialog::getText(QApplication::activeWindow(), QString::fromLatin1(kTitle),
                              Utf8(prompt), QLineEdit::Normal, Utf8(default_answer), &accepted);
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

PrintDialogResult QtHost::RunPrintDialog(QPrinter& printer, const PrintDialogRequest& request) {
    if (!request.print_to_file && QPrinterInfo::availablePrinterNames().isEmpty()) {
        return PrintDialogResult::NoPrinter;
    }
    QPrintDialog dialog(&printer, request.owner);
    QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintShowPageSize;
    options.setFlag(QAbstractPrintDialog::PrintToFile, request.print_to_file);
    if (request.setup) {
        dialog.setWindowTitle(QStringLiteral("Configuration de l'impression"));
    } else {
        options |= QAbstractPrintDialog::PrintCollateCopies;
        options.setFlag(QAbstractPrintDialog::PrintPageRange, request.page_range);
        options.setFlag(QAbstractPrintDialog::PrintSelection, request.selection);
    }
    dialog.setOptions(options);
    if (request.max_page > 0) {
        dialog.setMinMax(request.min_page, request.max_page);
    }
    return dialog.exec() == QDialog::Accepted ? PrintDialogResult::Accepted
                                              : PrintDialogResult::Cancelled;
}

void QtHost::ShowPrintPreview(QPrinter& printer, QWidget* owner, const QString& title,
                              const std::function<void(QPrinter&)>& paint) {
    QPrintPreviewDialog dialog(&printer, owner);
    dialog.setWindowTitle(title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&paint](QPrinter* target) { paint(*target); });
    dialog.exec();
}

void QtHost::RunLater(int milliseconds, QObject* context, std::function<void()> action) {
    QTimer::singleShot(milliseconds, context, std::move(action));
}

ColorValue QtHost::ChooseColor(const ColorDialogRequest& request) {
    QWidget* owner = request.owner != nullptr ? request.owner : QApplication::activeWindow();
    // Qt keeps custom colours for every program of the user; this run's own
    // are put in place first.
    for (int i = 0; i < static_cast<int>(custom_colors_.size()); ++i) {
        QColorDialog::setCustomColor(i,
                                     QColor::fromRgb(custom_colors_[static_cast<std::size_t>(i)]));
    }
    QColorDialog dialog(owner);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (request.initial > 0) {
        dialog.setCurrentColor(ResolveColor(request.initial));
    }
    dialog.adjustSize();
    CentreOnOwner(dialog, owner);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    for (int i = 0; i < static_cast<int>(custom_colors_.size()); ++i) {
        custom_colors_[static_cast<std::size_t>(i)] = QColorDialog::customColor(i).rgb();
    }
    return accepted ? ToColorValue(dialog.selectedColor()) : kNoColorChosen;
}

SettingsStore& QtHost::Settings() {
    if (!settings_) {
        settings_ = std::make_unique<QtSettingsStore>();
    }
    return *settings_;
}

bool QtHost::OpenUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

}  // namespace tallimo
