#include <QApplication>

#include "app/frm_calc.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallimo"));
    tallimo::FrmCalc window;
    window.show();
    return QApplication::exec();
}
