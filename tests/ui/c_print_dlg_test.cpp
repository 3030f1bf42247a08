// The print dialog wrapper: its properties reach the dialog and come back
// from it, and its failures read as French messages.
#include "platform/c_print_dlg.h"

#include <gtest/gtest.h>

#include <QPageSize>
#include <QPrinter>

#include "fake_host.h"
#include "ui_test_app.h"

namespace tallimo::testing {
namespace {

TEST(PrintDialog, ErrorMessages) {
    const std::pair<int, const char*> table[] = {
        {0, "L'utilisateur a annulé l'opération."},
        {4103, "Aucune imprimante trouvée."},
        {4104, "Il n'y a pas d'imprimante par défaut."},
        {4107, "Imprimante non trouvée"},
        {4105, "Impossible d'ouvrir la fenêtre de configuration d'impression."},
        {0xFFFF, "Impossible d'ouvrir la fenêtre de configuration d'impression."},
    };
    for (const auto& [code, message] : table) {
        EXPECT_EQ(PrintDialogErrorMessage(code), QString::fromUtf8(message)) << code;
    }
}

TEST(PrintDialog, CancelledIsNotAFailureNoPrinterIs) {
    FakeHost host;
    host.print_dialog = [](QPrinter&, const PrintDialogRequest& request) {
        return request.print_to_file ? PrintDialogResult::Cancelled : PrintDialogResult::NoPrinter;
    };
    cPrintDlg dialog(host);
    QString message;
    EXPECT_FALSE(dialog.ShowSetup());
    EXPECT_EQ(dialog.ErrCodeDlg(message), 0);
    EXPECT_EQ(message, QStringLiteral("L'utilisateur a annulé l'opération."));

    dialog.DisablePrintToFile = true;
    EXPECT_FALSE(dialog.ShowPrint());
    EXPECT_EQ(dialog.ErrCodeDlg(message), kNoPrinterInstalled);
    EXPECT_EQ(message, QStringLiteral("Aucune imprimante trouvée."));
    ASSERT_EQ(host.print_requests.size(), 2u);
    EXPECT_TRUE(host.print_requests[0].setup);
    EXPECT_FALSE(host.print_requests[1].setup);
}

TEST(PrintDialog, PropertiesGoToTheDialogAndComeBack) {
    FakeHost host;
    QString shown_file;
    QPageLayout shown;
    host.print_dialog = [&](QPrinter& printer, const PrintDialogRequest&) {
        shown_file = printer.outputFileName();
        shown = printer.pageLayout();
        // The user picks another file, US letter and portrait.
        printer.setOutputFileName(QStringLiteral("/tmp/autre.pdf"));
        printer.setPageSize(QPageSize(QPageSize::Letter));
        printer.setPageOrientation(QPageLayout::Portrait);
        return PrintDialogResult::Accepted;
    };
    cPrintDlg dialog(host);
    dialog.PrintToFile = true;
    dialog.OutputFileName = QStringLiteral("/tmp/grille.pdf");
    dialog.PaperSize = cPrintDlg::kA5Paper;
    dialog.Orientation = cPrintDlg::kLandscape;
    ASSERT_TRUE(dialog.ShowSetup());

    EXPECT_EQ(shown_file, QStringLiteral("/tmp/grille.pdf"));
    EXPECT_EQ(shown.pageSize().id(), QPageSize::A5);
    EXPECT_EQ(shown.orientation(), QPageLayout::Landscape);
    EXPECT_TRUE(dialog.PrintToFile);
    EXPECT_EQ(dialog.OutputFileName, QStringLiteral("/tmp/autre.pdf"));
    EXPECT_EQ(dialog.PaperSize, cPrintDlg::kLetterPaper);
    EXPECT_EQ(dialog.Orientation, cPrintDlg::kPortrait);
    EXPECT_EQ(dialog.PaperWidth, 2159);  // tenths of a millimetre
}

}  // namespace
}  // namespace tallimo::testing
