// The open and save file dialogs, with the properties the program sets on
// them and the results it reads back. The dialog itself is the host's.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace tallimo {

class Host;

class cOpenSaveFile {
  public:
    explicit cOpenSaveFile(Host& host);

    bool AllowMultiSelect = false;
    bool FileMustExist = false;
    bool OverWritePrompt = true;
    QWidget* Owner = nullptr;  // the active window when created
    QString DlgTitle;          // empty: the dialog's own title
    QString DefaultExt;        // added to a saved name typed without one
    QString InitDir;
    QString FileName;     // in: initial name; out: the chosen path
    QString Filter;       // "description|pattern|description|pattern..."
    int FilterIndex = 0;  // in and out: the filter pair in use, from 1; 0 means the first

    const QString& FileTitle() const { return file_title_; }

    // Number of files chosen, 0 when cancelled. With several files,
    // FileName holds the chosen paths separated by NUL characters.
    int ShowOpen();
    // True when the user confirmed; always a single file.
    bool ShowSave();

    // The filter as the dialog's name filters: "Calculs (*.dat)".
    QStringList NameFilters() const;

  private:
    QStringList Run(bool save);

    Host& host_;
    QString file_title_;
};

}  // namespace tallimo
