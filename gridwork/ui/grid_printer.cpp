#include "gridwork/ui/grid_printer.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <cmath>

#include "platform/c_print_dlg.h"
#include "platform/host.h"

namespace tallimo {

namespace {

constexpr double kTwipsPerInch = 1440.0;
// 12 cm; a paper of exactly 12 cm is accepted, though 6804 twips is a little
// more.
constexpr double kMinimumPaperMillimetres = 120.0 - 0.05;

// The page is the printer's whole printable area: its own margins only.
void UseMinimumMargins(QPrinter& printer) {
    printer.setFullPage(false);
    const QPageLayout layout = printer.pageLayout();
    printer.setPageMargins(layout.minimumMargins(), layout.units());
}

// The wait cursor while the pages are laid out and painted.
class WaitCursor {
  public:
    WaitCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

PrinterChoice::PrinterChoice() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    // The print job's name, and the name Qt's dialog proposes for a PDF file.
    printer_->setDocName(QStringLiteral("Tallimo"));
    UseMinimumMargins(*printer_);
}

PrinterChoice::~PrinterChoice() = default;

void PrinterChoice::Preset(cPrintDlg& dialog) const {
    dialog.ReadFrom(*printer_);
}

void PrinterChoice::Apply(const cPrintDlg& dialog) {
    dialog.ApplyPrinterSettings(*printer_);
    UseMinimumMargins(*printer_);
}

QFont PrintFont(bool bold) {
    QFont font;
    // Liberation Sans and Arimo have Arial's metrics, so the columns fall
    // where they would with Arial.
    font.setFamilies(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(10);
    // Texts are printed as they are measured, character by character: no
    // kerning and no ligatures, so a right-aligned column ends where its
    // widths add up to, and measuring stays quick.
    font.setKerning(false);
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setBold(bold);
    return font;
}

PrinterTextMeasurer::PrinterTextMeasurer(const QPaintDevice& device)
    : regular_(PrintFont(false), &device),
      bold_(PrintFont(true), &device),
      twips_per_x_(kTwipsPerInch / device.logicalDpiX()),
      twips_per_y_(kTwipsPerInch / device.logicalDpiY()) {}

int PrinterTextMeasurer::TextWidth(std::string_view text, bool bold) const {
    if (text.empty()) {
        return 0;
    }
    const QFontMetricsF& metrics = bold ? bold_ : regular_;
    return static_cast<int>(std::lround(metrics.horizontalAdvance(FromUtf8(text)) * twips_per_x_));
}

int PrinterTextMeasurer::LineHeight() const {
    return static_cast<int>(std::lround(regular_.lineSpacing() * twips_per_y_));
}

PageArea PrintableArea(const QPrinter& printer) {
    const QRectF area = printer.pageRect(QPrinter::Inch);
    return PageArea{static_cast<int>(std::lround(area.width() * kTwipsPerInch)),
                    static_cast<int>(std::lround(area.height() * kTwipsPerInch))};
}

bool PaperLargeEnough(const QPrinter& printer) {
    const QRectF paper = printer.paperRect(QPrinter::Millimeter);
    return paper.width() >= kMinimumPaperMillimetres && paper.height() >= kMinimumPaperMillimetres;
}

bool PaintGrid(const CalcGrid& grid, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const PrinterTextMeasurer measurer(printer);
    const std::vector<PrintedPage> pages =
        LayOutPrintedGrid(grid.Rows(), PrintableArea(printer), measurer);

    const QFont fonts[2] = {PrintFont(false), PrintFont(true)};
    // Texts are placed by the top of their line; Qt draws on the baseline.
    const double ascents[2] = {QFontMetricsF(fonts[0], &printer).ascent(),
                               QFontMetricsF(fonts[1], &printer).ascent()};
    const double x_scale = printer.logicalDpiX() / kTwipsPerInch;
    const double y_scale = printer.logicalDpiY() / kTwipsPerInch;
    bool bold = false;
    painter.setFont(fonts[0]);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0 && !printer.newPage()) {
            painter.end();
            return false;
        }
        for (const PrintedText& text : pages[p].texts) {
            if (text.bold != bold) {
                bold = text.bold;
                painter.setFont(fonts[bold]);
            }
            painter.drawText(QPointF(text.x * x_scale, text.y * y_scale + ascents[bold]),
                             FromUtf8(text.text));
        }
    }
    return painter.end();
}

PrintOutcome PrintGrid(const CalcGrid& grid, Host& host, PrinterChoice& printers, QWidget* owner) {
    if (grid.GridLine() == 0) {
        host.ShowMessage(kEmptyGridPrintMessage);
        return PrintOutcome::EmptyGrid;
    }
    cPrintDlg dialog(host);
    if (owner != nullptr) {
        dialog.Owner = owner;
    }
    printers.Preset(dialog);
    if (!dialog.ShowSetup()) {
        QString message;
        if (dialog.ErrCodeDlg(message) == kPrintCancelled) {
            return PrintOutcome::Cancelled;
        }
        host.ShowMessage(message.toStdString());
        return PrintOutcome::DialogFailed;
    }
    printers.Apply(dialog);
    if (!PaperLargeEnough(printers.Printer())) {
        host.ShowMessage(kMinimumPaperMessage);
        return PrintOutcome::PaperTooSmall;
    }
    bool painted = false;
    {
        const WaitCursor wait;
        painted = PaintGrid(grid, printers.Printer());
    }
    if (!painted) {
        host.ShowMessage(kPrintFailedMessage);
        return PrintOutcome::Failed;
    }
    return PrintOutcome::Printed;
}

PrintOutcome PreviewGrid(const CalcGrid& grid, Host& host, PrinterChoice& printers,
                         QWidget* owner) {
    if (grid.GridLine() == 0) {
        host.ShowMessage(kEmptyGridPrintMessage);
        return PrintOutcome::EmptyGrid;
    }
    if (!PaperLargeEnough(printers.Printer())) {
        host.ShowMessage(kMinimumPaperMessage);
        return PrintOutcome::PaperTooSmall;
    }
    // The preview paints on its own pages; printing from it paints on the
    // printer, and that may fail.
    bool failed = false;
    host.ShowPrintPreview(printers.Printer(), owner, QString::fromUtf8(kPreviewTitle),
                          [&grid, &failed](QPrinter& printer) {
                              const WaitCursor wait;
                              failed = !PaintGrid(grid, printer);
                          });
    if (failed) {
        host.ShowMessage(kPrintFailedMessage);
        return PrintOutcome::Failed;
    }
    return PrintOutcome::Printed;
}

}  // namespace tallimo
