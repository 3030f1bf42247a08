#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/frm_calc.h"
#include "platform/qt_host.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallimo"));
    // The program speaks French whatever the desktop's language, its
    // standard dialogs and buttons included.
    QTranslator qt_texts;
    if (qt_texts.load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"),
                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qt_texts);
    }
    tallimo::QtHost host;
    tallimo::FrmCalc window(host);
    window.show();
    // "tallimo fichier.dat" opens the file, as the file manager does.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        window.OpenFile(arguments.at(1));
    }
    return QApplication::exec();
}
