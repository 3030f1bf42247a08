#include "platform/c_print_dlg.h"

#include <QApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <algorithm>
#include <cmath>

#include "platform/host.h"

namespace tallimo {

QString PrintDialogErrorMessage(int code) {
    switch (code) {
        case kPrintCancelled:
            return QStringLiteral("L'utilisateur a annulé l'opération.");
        case kNoPrinterInstalled:
            return QStringLiteral("Aucune imprimante trouvée.");
        case kNoDefaultPrinter:
            return QStringLiteral("Il n'y a pas d'imprimante par défaut.");
        case kPrinterNotFound:
            return QStringLiteral("Imprimante non trouvée");
        default:
            return QStringLiteral("Impossible d'ouvrir la fenêtre de configuration d'impression.");
    }
}

cPrintDlg::cPrintDlg(Host& host)
    : Owner(QApplication::activeWindow()),
      host_(host),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    // Qt's dialog proposes a PDF file named after the document.
    printer_->setDocName(QCoreApplication::applicationName());
    ReadFrom(*printer_);
}

cPrintDlg::~cPrintDlg() = default;

void cPrintDlg::ReadFrom(const QPrinter& printer) {
    PrinterName = printer.printerName();
    PrintToFile = printer.outputFormat() == QPrinter::PdfFormat;
    OutputFileName = printer.outputFileName();
    const QPageLayout layout = printer.pageLayout();
    PaperSize = layout.pageSize().windowsId();
    const QSizeF paper = layout.pageSize().size(QPageSize::Millimeter);
    PaperWidth = static_cast<int>(std::lround(paper.width() * 10));
    PaperLength = static_cast<int>(std::lround(paper.height() * 10));
    Orientation = layout.orientation() == QPageLayout::Landscape ? kLandscape : kPortrait;
    PrintQuality = printer.resolution();
    ColorMode = printer.colorMode() == QPrinter::Color ? kColor : kMonochrome;
    DefaultSource = printer.paperSource();
    Copies = printer.copyCount();
    Collate = printer.collateCopies();
    PrintRange = printer.printRange() == QPrinter::PageRange   ? kPageRange
                 : printer.printRange() == QPrinter::Selection ? kSelection
                                                               : kAllPages;
    FromPage = printer.fromPage();
    ToPage = printer.toPage();
}

void cPrintDlg::ApplyPrinterSettings(QPrinter& printer) const {
    if (PrintToFile) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(OutputFileName);
    } else {
        printer.setOutputFileName(QString());
        if (!PrinterName.isEmpty()) {
            printer.setPrinterName(PrinterName);
        }
    }
    if (DefaultSource >= 0 && DefaultSource <= QPrinter::LastPaperSource) {
        printer.setPaperSource(static_cast<QPrinter::PaperSource>(DefaultSource));
    }
    const QPageSize::PageSizeId id = QPageSize::id(PaperSize);
    if (PaperSize != kCustomPaper && id != QPageSize::Custom) {
        printer.setPageSize(QPageSize(id));
    } else if (PaperWidth > 0 && PaperLength > 0) {
        printer.setPageSize(
            QPageSize(QSizeF(PaperWidth / 10.0, PaperLength / 10.0), QPageSize::Millimeter));
    }
    printer.setPageOrientation(Orientation == kLandscape ? QPageLayout::Landscape
                                                         : QPageLayout::Portrait);
    if (PrintQuality > 0) {
        printer.setResolution(PrintQuality);
    }
}

bool cPrintDlg::ShowSetup() {
    return Show(true);
}

bool cPrintDlg::ShowPrint() {
    return Show(false);
}

bool cPrintDlg::Show(bool setup) {
    ApplyPrinterSettings(*printer_);
    printer_->setColorMode(ColorMode == kMonochrome ? QPrinter::GrayScale : QPrinter::Color);
    printer_->setCopyCount(CopiesAndCollateByApp ? 1 : std::max(Copies, 1));
    printer_->setCollateCopies(!CopiesAndCollateByApp && Collate);
    printer_->setPrintRange(PrintRange == kPageRange   ? QPrinter::PageRange
                            : PrintRange == kSelection ? QPrinter::Selection
                                                       : QPrinter::AllPages);
    if (FromPage >= 0 && FromPage <= ToPage) {
        printer_->setFromTo(FromPage, ToPage);
    }

    PrintDialogRequest request;
    request.owner = Owner;
    request.setup = setup;
    request.print_to_file = !DisablePrintToFile;
    request.page_range = !DisablePages;
    request.selection = !DisableSelection;
    request.min_page = MinPage;
    request.max_page = MaxPage;
    switch (host_.RunPrintDialog(*printer_, request)) {
        case PrintDialogResult::Accepted:
            last_error_ = kPrintCancelled;
            ReadFrom(*printer_);
            return true;
        case PrintDialogResult::Cancelled:
            last_error_ = kPrintCancelled;
            return false;
        case PrintDialogResult::NoPrinter:
            last_error_ = kNoPrinterInstalled;
            return false;
    }
    return false;
}

int cPrintDlg::ErrCodeDlg(QString& message) const {
    message = PrintDialogErrorMessage(last_error_);
    return last_error_;
}

}  // namespace tallimo
