// A calculation file of many lines for the window benchmarks, and the
// desktop's host with a file dialog that always chooses it.
#pragma once

#include <QString>
#include <QTemporaryDir>
#include <fstream>

#include "app/qt_host.h"

namespace tallimo {

// One chain: 1, then "+ 1" on every line, then its total.
inline QString WriteLargeGridFile(const QTemporaryDir& dir, int lines) {
    const QString path = dir.filePath(QStringLiteral("grand.dat"));
    std::ofstream out(path.toStdString(), std::ios::binary);
    out << "\"Kestrone Application Virelle\"\r\n\"1.5.0\"\r\n0,\"\",\"1\",\"\",\"\"\r\n";
    for (int i = 1; i < lines - 1; ++i) {
        out << "0,\"+\",\"1\",\"\",\"\"\r\n";
    }
    out << "2,\"=\",\"" << lines - 1 << "\",\"\",\"\"\r\n";
    return path;
}

class OneFileHost : public QtHost {
  public:
    explicit OneFileHost(QString path) : path_(std::move(path)) {}
    ChosenFiles ChooseFiles(const FileDialogRequest&) override { return {{path_}, 0}; }
    const QString& Path() const { return path_; }

  private:
    QString path_;
};

}  // namespace tallimo
