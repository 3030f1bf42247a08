#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/command_line.h"
#include "app/frm_calc.h"
#include "app/qt_host.h"
#include "app/tape_keeper.h"
#include "help/ui/product_info.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallimo"));
    QApplication::setWindowIcon(tallimo::ProgramIcon());
    // "tallimo fichier.dat" opens the file, as the file manager does;
    // --help and --version answer without a window.
    const tallimo::CommandLine command = tallimo::ReadCommandLine(
        QApplication::arguments(), tallimo::Product().name, tallimo::Product().version);
    if (!command.run) {
        return tallimo::PrintAnswer(command);
    }
    // The program speaks French whatever the desktop's language, its
    // standard dialogs and buttons included.
    QTranslator qt_texts;
    if (qt_texts.load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"),
                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qt_texts);
    }
    tallimo::QtHost host;
    tallimo::FrmCalc window(host);
    // Keeps the grid in the user's state folder as it changes, so that the
    // tape of this run can be reopened at the next one, even after a crash.
    // Made after the window, so that it writes the last changes before the
    // window goes.
    tallimo::TapeKeeper keeper([&window] {
        const auto lines = window.Grid().Recorded();
        return std::vector<tallimo::PackedLine>(lines.begin(), lines.end());
    });
    window.SetTapeKeeper(&keeper);
    window.show();
    if (!command.file.isEmpty()) {
        window.OpenFile(command.file);  // a file that cannot be opened says so
    }
    return QApplication::exec();
}
