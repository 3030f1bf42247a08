// The program's command line: "tallimo [FICHIER]", with --help and
// --version answered in French at once, without a window.
#pragma once

#include <QString>
#include <QStringList>

namespace tallimo {

struct CommandLine {
    bool run = true;      // false: print the answer and end with `exit_status`
    int exit_status = 0;  // 0 after --help or --version, 1 after a mistake
    QString output;       // the answer for standard output
    QString error;        // the message for standard error
    QString file;         // the calculation file to open at start, if any
};

// Reads `arguments` as QCoreApplication::arguments() gives them, the
// program's own name first and Qt's options taken out. `name` and `version`
// are the product's ("Tallimo", "1.5.0").
CommandLine ReadCommandLine(const QStringList& arguments, const QString& name,
                            const QString& version);

// Prints the answer of a command line that does not run the program, and
// gives its exit status.
int PrintAnswer(const CommandLine& command);

}  // namespace tallimo
