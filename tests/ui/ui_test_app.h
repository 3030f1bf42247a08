// The one QApplication of the widget tests.
#pragma once

#include <QApplication>
#include <QString>
#include <ostream>

// Readable QString values in failure messages (found by argument lookup).
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace tallimo::testing {

// The application that the widget tests' main created.
inline QApplication& App() {
    return *qobject_cast<QApplication*>(QCoreApplication::instance());
}

}  // namespace tallimo::testing
