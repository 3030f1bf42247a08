// Speed of printing and of the removal of cancelled calculations: the print
// layout of 100 000 lines with comments must stay under 200 ms, printing
// 10 000 lines to a PDF file under 3 s, and removing the cancelled
// calculations from 100 000 lines under 50 ms.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "grid/calc_grid.h"
#include "gridwork/cancelled_calculations.h"
#include "gridwork/print_layout.h"
#include "numbers/number_text.h"

#ifdef TALLIMO_BENCH_QT
#include <QApplication>
#include <QDir>
#include <QPrinter>
#include <QTemporaryDir>

#include "gridwork/ui/grid_printer.h"
#endif

namespace {

using namespace tallimo;

// Finished calculations with comments, a two-paragraph comment that wraps
// now and then, and a cancelled calculation in every other one.
std::vector<CalcLine> SampleLines(int count) {
    std::vector<CalcLine> lines;
    lines.reserve(static_cast<std::size_t>(count));
    for (int i = 0; static_cast<int>(lines.size()) < count; ++i) {
        const double a = 1234.5 + i;
        lines.push_back({"", NumberToText(a), "", "", LineKind::Operation});
        lines.push_back(
            {"x", "1,07", std::string(kCommentPadding) + "TVA réduite", "", LineKind::Operation});
        if (i % 2 == 1) {
            lines.push_back({"", "Annulation", "", "", LineKind::Cancellation});
            continue;
        }
        lines.push_back({"=", NumberToText(a * 1.07),
                         std::string(kCommentPadding) +
                             (i % 10 == 0 ? "Une note assez longue pour passer à la ligne sur "
                                            "une feuille A4 en portrait, avec un second "
                                            "paragraphe\r\nqui suit ici, trimestre " +
                                                std::to_string(i)
                                          : "Trimestre " + std::to_string(i)),
                         "", LineKind::Result});
    }
    lines.resize(static_cast<std::size_t>(count));
    return lines;
}

// Arial 10 points as a table of widths would give it: 111 twips a
// character, 120 in bold, lines of 230.
class TableMeasurer : public TextMeasurer {
  public:
    int TextWidth(std::string_view text, bool bold) const override {
        int characters = 0;
        for (const char c : text) {
            characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        }
        return characters * (bold ? 120 : 111);
    }
    int LineHeight() const override { return 230; }
};

constexpr PageArea kA4{11906, 16838};

void BM_LayOut100000Lines(benchmark::State& state) {
    CalcGrid grid;
    grid.Reset(SampleLines(100000));
    const TableMeasurer measurer;
    std::size_t pages = 0;
    for (auto _ : state) {
        const auto laid_out = LayOutPrintedGrid(grid.Rows(), kA4, measurer);
        pages = laid_out.size();
        benchmark::DoNotOptimize(laid_out.data());
    }
    state.counters["pages"] = static_cast<double>(pages);
}
BENCHMARK(BM_LayOut100000Lines)->Unit(benchmark::kMillisecond);

void BM_RemoveCancelled100000Lines(benchmark::State& state) {
    const std::vector<CalcLine> lines = SampleLines(100000);
    CalcGrid grid;
    const CalcState calculator;
    int removed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        grid.Reset(lines);
        state.ResumeTiming();
        removed = RemoveCancelledCalculations(grid, calculator);
        benchmark::DoNotOptimize(removed);
    }
    state.counters["removed"] = removed;
}
BENCHMARK(BM_RemoveCancelled100000Lines)->Unit(benchmark::kMillisecond);

#ifdef TALLIMO_BENCH_QT
// With the printer's own font measurer on a PDF printer.
void BM_LayOut100000LinesWithPrinterFont(benchmark::State& state) {
    CalcGrid grid;
    grid.Reset(SampleLines(100000));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const PrinterTextMeasurer measurer(printer);
    for (auto _ : state) {
        const auto laid_out = LayOutPrintedGrid(grid.Rows(), PrintableArea(printer), measurer);
        benchmark::DoNotOptimize(laid_out.data());
    }
}
BENCHMARK(BM_LayOut100000LinesWithPrinterFont)->Unit(benchmark::kMillisecond);

void BM_Print10000LinesToPdf(benchmark::State& state) {
    CalcGrid grid;
    grid.Reset(SampleLines(10000));
    QTemporaryDir folder;
    PrinterChoice printers;
    printers.Printer().setOutputFileName(folder.filePath(QStringLiteral("grille.pdf")));
    for (auto _ : state) {
        if (!PaintGrid(grid, printers.Printer())) {
            state.SkipWithError("the PDF file could not be written");
        }
    }
}
BENCHMARK(BM_Print10000LinesToPdf)->Unit(benchmark::kMillisecond);
#endif

}  // namespace

int main(int argc, char** argv) {
#ifdef TALLIMO_BENCH_QT
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
#endif
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
