// "Imprimer" and "Aperçu avant impression" end to end: the print dialog is
// answered by the test with a PDF file, which is then read back with
// poppler's tools to check what reached the paper.
#include "gridwork/ui/grid_printer.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>

#include "fake_host.h"
#include "pdf_words.h"
#include "ui_test_app.h"

namespace tallimo::testing {
namespace {

constexpr double kPointsPerTwip = 1 / 20.0;
constexpr double kTolerance = 0.3;  // points

CalcLine Line(std::string op, std::string value, std::string comment = "") {
    return CalcLine{std::move(op), std::move(value),
                    comment.empty() ? "" : kCommentPadding + comment, "", LineKind::Operation};
}

class GridPrinting : public ::testing::Test {
  protected:
    GridPrinting() {
        host.print_dialog = [this](QPrinter& printer, const PrintDialogRequest&) {
            opened_on.push_back(printer.outputFileName());
            opened_layout.push_back(printer.pageLayout());
            if (pdf.isEmpty()) {
                return PrintDialogResult::Cancelled;
            }
            printer.setOutputFileName(pdf);
            printer.setPageSize(paper);
            printer.setPageOrientation(orientation);
            return PrintDialogResult::Accepted;
        };
    }

    QString Path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
    PrintOutcome Print() { return PrintGrid(grid, host, printers, nullptr); }
    std::vector<PdfPage> PrintAndRead() {
        EXPECT_EQ(Print(), PrintOutcome::Printed);
        return ReadPdfWords(pdf);
    }
    const std::vector<std::string>& Messages() const { return host.dialogs.messages; }

    QTemporaryDir folder;
    FakeHost host;
    PrinterChoice printers;
    CalcGrid grid;
    // What the user chooses in the print dialog: nothing cancels it.
    QString pdf;
    QPageSize paper{QPageSize::A4};
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    // What the dialog opened on.
    std::vector<QString> opened_on;
    std::vector<QPageLayout> opened_layout;
};

const PdfWord* Find(const PdfPage& page, const QString& text) {
    for (const PdfWord& word : page.words) {
        if (word.text == text) {
            return &word;
        }
    }
    return nullptr;
}

// The tops of the printed lines, from the top of the page.
std::vector<double> LineTops(const PdfPage& page) {
    std::vector<double> all;
    for (const PdfWord& word : page.words) {
        all.push_back(word.top);
    }
    std::sort(all.begin(), all.end());
    std::vector<double> tops;
    for (const double top : all) {
        if (tops.empty() || top - tops.back() > 1) {
            tops.push_back(top);
        }
    }
    return tops;
}

TEST_F(GridPrinting, ColumnsAndWrappedBoldCommentsOnPaper) {
    const std::string comment = "Un commentaire assez long pour passer à la ligne\r\nSuite";
    grid.Reset({Line("", "3"), Line("+", "4", comment), Line("Log n", "12,5"),
                Line("x", "1234567890"), Line("=", "7", "court et fin")});
    pdf = Path("grille.pdf");
    paper = QPageSize(QSizeF(130, 150), QPageSize::Millimeter);
    const std::vector<PdfPage> pages = PrintAndRead();
    ASSERT_EQ(pages.size(), 1u);
    const PdfPage& page = pages[0];

    for (const char* text : {"+", "n", "x", "=", "3", "4", "12,5", "1234567890", "7"}) {
        const PdfWord* word = Find(page, QString::fromUtf8(text));
        ASSERT_TRUE(word) << text;
        EXPECT_NEAR(word->right, (word->left < 70 ? 1277 : 3537) * kPointsPerTwip, kTolerance)
            << text;
    }
    EXPECT_NEAR(Find(page, QStringLiteral("Un"))->left, 3597 * kPointsPerTwip, kTolerance);
    EXPECT_NEAR(Find(page, QStringLiteral("Un"))->top, Find(page, QStringLiteral("4"))->top, 0.1);

    // The comments in bold, wrapped within 1 cm of the right edge.
    QStringList comment_words;
    for (const PdfWord& word : page.words) {
        if (word.left > 3590 * kPointsPerTwip) {
            comment_words << word.text;
            EXPECT_LE(word.right, page.width - 567 * kPointsPerTwip + kTolerance);
        }
    }
    EXPECT_EQ(comment_words.join(' '),
              QString::fromUtf8(comment).simplified() + QStringLiteral(" court et fin"));
    EXPECT_EQ(ReadPdfBoldTexts(pdf).join(' '), comment_words.join(' '));

    // Lines evenly spaced from the top margin: 5 rows, 2 more comment lines.
    const std::vector<double> tops = LineTops(page);
    ASSERT_EQ(tops.size(), 7u);
    EXPECT_NEAR(tops[0], 567 * kPointsPerTwip, kTolerance);
    EXPECT_NEAR(tops[6] - tops[0], 6 * (tops[1] - tops[0]), 0.1);
    EXPECT_NEAR(tops[1] - tops[0], 11.5, 0.5) << "Arial 10 points, or its metric twin";
}

// Nothing is lost on paper: a web address wider than the comment column is
// cut across lines and the words after it are printed; 2^1000 and its double
// print whole, their column widened, and no "#" stands for anything.
TEST_F(GridPrinting, LongWordsAndWideValuesPrintWhole) {
    const QString address = QStringLiteral(
        "https://factures.exemple.fr/espace-client/releves/2026/novembre/"
        "facture-detaillee-du-compte-courant-numero-12.pdf");
    const QString comment =
        QStringLiteral("Justificatif : ") + address + QStringLiteral(" à conserver avec le relevé");
    grid.Reset({Line("", "1,07150860718627E+301", comment.toStdString()), Line("x", "2"),
                Line("=", "2,14301721437254E+301", "fin")});
    pdf = Path("entier.pdf");
    paper = QPageSize(QSizeF(130, 150), QPageSize::Millimeter);
    const std::vector<PdfPage> pages = PrintAndRead();
    ASSERT_EQ(pages.size(), 1u);
    const PdfPage& page = pages[0];

    const PdfWord* first = Find(page, QStringLiteral("1,07150860718627E+301"));
    const PdfWord* result = Find(page, QStringLiteral("2,14301721437254E+301"));
    ASSERT_TRUE(first && result);
    EXPECT_NEAR(first->right, result->right, kTolerance) << "one value column";
    EXPECT_GT(first->left, 1277 * kPointsPerTwip) << "clear of the operations";

    const QStringList bold = ReadPdfBoldTexts(pdf);
    QString printed;
    for (const PdfWord& word : page.words) {
        EXPECT_FALSE(word.text.contains(QLatin1Char('#'))) << word.text.toStdString();
        if (word.left > first->right) {
            EXPECT_LE(word.right, page.width - 567 * kPointsPerTwip + kTolerance);
            printed += word.text;
        }
    }
    QString expected = comment + QStringLiteral("fin");
    EXPECT_EQ(printed, expected.remove(QLatin1Char(' ')));
    EXPECT_TRUE(bold.join(' ').contains(QStringLiteral("à conserver avec le relevé fin")))
        << bold.join(' ').toStdString();
}

TEST_F(GridPrinting, PagesBreakAboveTheBottomMargin) {
    std::vector<CalcLine> lines;
    for (int i = 0; i < 200; ++i) {
        lines.push_back(Line(i == 0 ? "" : "+", std::to_string(i)));
    }
    grid.Reset(lines);
    pdf = Path("long.pdf");
    const std::vector<PdfPage> pages = PrintAndRead();
    ASSERT_GE(pages.size(), 2u);

    // A line starts on a page while the position is at most the page height
    // less one line and 1 cm; the empty open row makes no page of its own.
    const std::vector<double> first = LineTops(pages[0]);
    const int pitch = static_cast<int>(std::lround((first[1] - first[0]) / kPointsPerTwip));
    const int height = static_cast<int>(std::lround(pages[0].height / kPointsPerTwip));
    const std::size_t per_page = (height - (pitch + 567) - 567) / pitch + 1;
    ASSERT_EQ(pages.size(), (200 + per_page - 1) / per_page);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const std::vector<double> tops = LineTops(pages[p]);
        EXPECT_NEAR(tops.front(), 567 * kPointsPerTwip, kTolerance) << "page " << p;
        EXPECT_EQ(tops.size(), p + 1 < pages.size() ? per_page : 200 - p * per_page);
    }
}

const std::vector<CalcLine> kSome = {Line("", "3"), Line("+", "4"), Line("=", "7")};

// The dialog's answer, then the paper chosen (millimetres) and the folder of
// the file; the message shown ("" for none).
struct FlowCase {
    const char* name;
    PrintDialogResult dialog;
    double width, height;
    const char* folder;
    PrintOutcome outcome;
    const char* message;
};

class PrintFlow : public GridPrinting, public ::testing::WithParamInterface<FlowCase> {};

TEST_P(PrintFlow, MessagesAndOutcome) {
    const FlowCase& c = GetParam();
    grid.Reset(c.outcome == PrintOutcome::EmptyGrid ? std::vector<CalcLine>{} : kSome);
    pdf = Path(c.folder) + QStringLiteral("/grille.pdf");
    paper = QPageSize(QSizeF(c.width, c.height), QPageSize::Millimeter);
    if (c.dialog != PrintDialogResult::Accepted) {
        host.print_dialog = [&c](QPrinter&, const PrintDialogRequest&) { return c.dialog; };
    }
    EXPECT_EQ(Print(), c.outcome);
    EXPECT_EQ(Messages(),
              *c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
    EXPECT_EQ(QFile::exists(pdf), c.outcome == PrintOutcome::Printed);
    EXPECT_EQ(host.print_requests.size(), c.outcome == PrintOutcome::EmptyGrid ? 0u : 1u);
}

constexpr auto kOk = PrintDialogResult::Accepted;
constexpr char kTooSmall[] = "Taille minimale de papier = 12 cm x 12 cm.";

INSTANTIATE_TEST_SUITE_P(
    Cases, PrintFlow,
    ::testing::Values(
        FlowCase{"empty_grid", kOk, 210, 297, ".", PrintOutcome::EmptyGrid,
                 "La grille de calculs est vide.\r\nAucune donnée à imprimer."},
        FlowCase{"dialog_cancelled", PrintDialogResult::Cancelled, 210, 297, ".",
                 PrintOutcome::Cancelled, ""},
        FlowCase{"no_printer_and_no_file", PrintDialogResult::NoPrinter, 210, 297, ".",
                 PrintOutcome::DialogFailed, "Aucune imprimante trouvée."},
        FlowCase{"too_narrow", kOk, 110, 297, ".", PrintOutcome::PaperTooSmall, kTooSmall},
        FlowCase{"too_low", kOk, 210, 119, ".", PrintOutcome::PaperTooSmall, kTooSmall},
        FlowCase{"exactly_12_cm", kOk, 120, 120, ".", PrintOutcome::Printed, ""},
        FlowCase{"file_cannot_be_written", kOk, 210, 297, "absent", PrintOutcome::Failed,
                 "L'impression a échoué."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GridPrinting, TheChosenPrinterStaysForTheNextPrint) {
    grid.Reset(kSome);
    pdf = Path("a5.pdf");
    paper = QPageSize(QPageSize::A5);
    orientation = QPageLayout::Landscape;
    ASSERT_EQ(Print(), PrintOutcome::Printed);
    const std::vector<PdfPage> pages = ReadPdfWords(pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_GT(pages[0].width, pages[0].height) << "landscape";

    pdf.clear();  // the second dialog is cancelled
    EXPECT_EQ(Print(), PrintOutcome::Cancelled);
    ASSERT_EQ(opened_on.size(), 2u);
    EXPECT_EQ(opened_on[1], Path("a5.pdf"));
    EXPECT_EQ(opened_layout[1].pageSize().id(), QPageSize::A5);
    EXPECT_EQ(opened_layout[1].orientation(), QPageLayout::Landscape);
    ASSERT_EQ(host.print_requests.size(), 2u);
    EXPECT_TRUE(host.print_requests[0].setup);
    EXPECT_TRUE(host.print_requests[0].print_to_file) << "a PDF file can always be chosen";
}

TEST_F(GridPrinting, PreviewShowsThePrintedPages) {
    std::vector<CalcLine> lines;
    for (int i = 0; i < 90; ++i) {
        lines.push_back(
            Line(i == 0 ? "" : "-", std::to_string(i * 7), i % 10 ? "" : "tous les dix"));
    }
    grid.Reset(lines);
    pdf = Path("imprime.pdf");
    ASSERT_EQ(Print(), PrintOutcome::Printed);

    const QString previewed = Path("apercu.pdf");
    host.print_preview = [&previewed](QPrinter& printer,
                                      const std::function<void(QPrinter&)>& paint) {
        QPrinter pages(QPrinter::HighResolution);
        pages.setPageLayout(printer.pageLayout());
        pages.setOutputFileName(previewed);
        paint(pages);
    };
    EXPECT_EQ(PreviewGrid(grid, host, printers, nullptr), PrintOutcome::Printed);
    EXPECT_EQ(host.preview_titles, std::vector<QString>{QStringLiteral("Aperçu avant impression")});

    // Every word on the same page at the same place.
    auto words = [](const QString& path) {
        QStringList all;
        const std::vector<PdfPage> pages = ReadPdfWords(path);
        for (std::size_t p = 0; p < pages.size(); ++p) {
            for (const PdfWord& w : pages[p].words) {
                all << QStringLiteral("%1 %2 %3,%4")
                           .arg(p)
                           .arg(w.text)
                           .arg(w.left, 0, 'f', 1)
                           .arg(w.top, 0, 'f', 1);
            }
        }
        return all;
    };
    EXPECT_EQ(words(previewed), words(pdf));
    EXPECT_TRUE(words(previewed).last().startsWith(QLatin1Char('1'))) << "two pages";
}

}  // namespace
}  // namespace tallimo::testing
