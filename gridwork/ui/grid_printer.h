// Printing the calculation grid, and its print preview: the pages of the
// print layout painted on a QPrinter in "Arial" 10 points (or a font with
// the same metrics where Arial is missing).
//
// The main window owns one PrinterChoice for the whole run and calls
//   PrintGrid(grid, host, printers, this)    for "Imprimer"
//   PreviewGrid(grid, host, printers, this)  for "Aperçu avant impression"
// Both show their own messages through the host and the wait cursor while
// they lay out and paint; they need no precondition.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <memory>

#include "grid/calc_grid.h"
#include "gridwork/print_layout.h"

class QPaintDevice;
class QPrinter;
class QWidget;

namespace tallimo {

class Host;
class cPrintDlg;

inline constexpr char kPreviewTitle[] = "Aperçu avant impression";

// The printer that prints go to: the desktop's default at first, then the
// one chosen in the last print dialog, with its paper and orientation.
class PrinterChoice {
  public:
    PrinterChoice();
    ~PrinterChoice();
    PrinterChoice(const PrinterChoice&) = delete;
    PrinterChoice& operator=(const PrinterChoice&) = delete;

    QPrinter& Printer() { return *printer_; }

    // The dialog opens on the current printer.
    void Preset(cPrintDlg& dialog) const;
    // The dialog's printer (or PDF file), paper bin, paper size, orientation
    // and print quality become current; the page is the printer's whole
    // printable area.
    void Apply(const cPrintDlg& dialog);

  private:
    std::unique_ptr<QPrinter> printer_;
};

// The printing font: "Arial" 10 points, falling back on a font with the
// same metrics.
QFont PrintFont(bool bold);

// Measures texts in the printing font as `device` draws them.
class PrinterTextMeasurer : public TextMeasurer {
  public:
    explicit PrinterTextMeasurer(const QPaintDevice& device);
    int TextWidth(std::string_view text, bool bold) const override;
    int LineHeight() const override;

  private:
    QFontMetricsF regular_;
    QFontMetricsF bold_;
    double twips_per_x_;  // twips per device unit
    double twips_per_y_;
};

// The printable area of the printer's page, and whether its paper is at
// least 12 cm x 12 cm.
PageArea PrintableArea(const QPrinter& printer);
bool PaperLargeEnough(const QPrinter& printer);

// Lays out every row of the grid for `printer` and paints the pages; false
// when the printer cannot be painted on (the file cannot be written, the
// printer has gone, ...).
bool PaintGrid(const CalcGrid& grid, QPrinter& printer);

enum class PrintOutcome {
    Printed,
    EmptyGrid,      // message shown
    Cancelled,      // the dialog was cancelled: nothing shown
    DialogFailed,   // the dialog's message shown ("Aucune imprimante trouvée.")
    PaperTooSmall,  // message shown
    Failed,         // "L'impression a échoué." shown
};

// "Imprimer": the empty-grid message, the print set-up dialog (which then
// stays the current printer), the minimum paper check, and the pages.
PrintOutcome PrintGrid(const CalcGrid& grid, Host& host, PrinterChoice& printers, QWidget* owner);

// "Aperçu avant impression": the same pages in a preview of the current
// printer, from which they may be printed. The empty-grid and paper messages
// as for printing.
PrintOutcome PreviewGrid(const CalcGrid& grid, Host& host, PrinterChoice& printers, QWidget* owner);

}  // namespace tallimo
