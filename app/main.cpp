#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Tallimo"));
    auto* display = new QLabel(QStringLiteral("0"), &window);
    window.setCentralWidget(display);
    window.show();
    return app.exec();
}
