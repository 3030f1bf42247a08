// The one QApplication of the widget tests, created on first use.
#pragma once

#include <QApplication>
#include <QString>
#include <ostream>

// Readable QString values in failure messages (found by argument lookup).
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace tallimo::testing {

inline QApplication& App() {
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        return *app;
    }
    static int argc = 1;
    static char name[] = "ui_test";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

}  // namespace tallimo::testing
