// The print and print set-up dialogs, with the printer settings the program
// sets before them and reads back after them. The object keeps its own
// printer record, which starts as the desktop's default printer and persists
// across the dialogs it shows; the dialog itself is the host's.
#pragma once

#include <QString>
#include <memory>

class QPrinter;
class QWidget;

namespace tallimo {

class Host;

// Codes of ErrCodeDlg.
inline constexpr int kPrintCancelled = 0;
inline constexpr int kNoPrinterInstalled = 4103;
inline constexpr int kNoDefaultPrinter = 4104;
inline constexpr int kPrinterNotFound = 4107;

// The message of a print dialog failure code.
QString PrintDialogErrorMessage(int code);

class cPrintDlg {
  public:
    // Paper size codes of the common sizes (those of the printer settings of
    // earlier versions); kCustomPaper takes PaperWidth and PaperLength.
    static constexpr int kLetterPaper = 1;
    static constexpr int kA4Paper = 9;
    static constexpr int kA5Paper = 11;
    static constexpr int kCustomPaper = 256;
    static constexpr int kPortrait = 1;
    static constexpr int kLandscape = 2;
    static constexpr int kMonochrome = 1;
    static constexpr int kColor = 2;
    static constexpr int kAllPages = 0;
    static constexpr int kPageRange = 1;
    static constexpr int kSelection = 2;

    // Reads the default printer's settings; shows nothing.
    explicit cPrintDlg(Host& host);
    ~cPrintDlg();
    cPrintDlg(const cPrintDlg&) = delete;
    cPrintDlg& operator=(const cPrintDlg&) = delete;

    QString PrinterName;   // the printer chosen; setting it preselects it
    int PrintQuality = 0;  // dots per inch; 0 or less: the printer's own
    int PaperSize = 0;     // a paper size code
    int PaperWidth = 0;    // tenths of a millimetre, for kCustomPaper
    int PaperLength = 0;
    int ColorMode = kColor;
    int Orientation = kPortrait;
    int DefaultSource = 0;               // the paper bin, as QPrinter::PaperSource counts them
    bool CopiesAndCollateByApp = false;  // true: the program copies and collates itself
    int Copies = 1;                      // given to the printer only when the printer copies
    bool Collate = false;
    QWidget* Owner = nullptr;  // the active window when created
    bool PrintToFile = false;  // a PDF file rather than a printer
    QString OutputFileName;    // that file
    int PrintRange = kAllPages;
    int FromPage = 0;
    int ToPage = 0;
    int MinPage = 0;
    int MaxPage = 0;
    bool DisablePages = false;
    bool DisableSelection = true;
    bool DisablePrintToFile = false;

    // The set-up dialog: printer (or PDF file), paper and orientation. True
    // when accepted, the properties then holding the choice.
    bool ShowSetup();
    // The print dialog: the same, with copies and pages.
    bool ShowPrint();
    // The last failure: kPrintCancelled with "L'utilisateur a annulé
    // l'opération." when the dialog was simply cancelled.
    int ErrCodeDlg(QString& message) const;

    // Takes the settings of `printer` as the properties.
    void ReadFrom(const QPrinter& printer);
    // Makes `printer` the chosen printer, or the chosen PDF file, with the
    // chosen paper bin, paper size, orientation and print quality.
    void ApplyPrinterSettings(QPrinter& printer) const;

  private:
    bool Show(bool setup);

    Host& host_;
    std::unique_ptr<QPrinter> printer_;
    int last_error_ = kPrintCancelled;
};

}  // namespace tallimo
