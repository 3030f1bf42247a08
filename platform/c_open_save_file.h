// The open and save file dialogs, with the properties the program sets on
// them and the results it reads back.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace tallimo {

class cOpenSaveFile {
  public:
    // The dialog itself, replaceable so that tests can answer it. It gets
    // the prepared dialog settings and returns the chosen paths (empty when
    // cancelled).
    struct Request {
        bool save = false;
        QWidget* owner = nullptr;
        QString title;
        QString directory;
        QString file_name;
        QStringList name_filters;
        QString default_suffix;
        bool allow_multi_select = false;
        bool file_must_exist = false;
        bool overwrite_prompt = true;
        bool create_prompt = false;
        bool read_only = false;
    };
    using Chooser = std::function<QStringList(const Request&)>;

    cOpenSaveFile();

    bool AllowMultiSelect = false;
    bool CreatePrompt = false;
    bool FileMustExist = false;
    bool PathMustExist = false;
    bool HideReadOnly = true;
    bool ReadOnly = false;
    bool OverWritePrompt = true;
    QWidget* hwndOwner = nullptr;  // the active window when created
    QString DlgTitle;
    QString DefaultExt;
    QString InitDir;
    QString FileName;  // in: initial name; out: the chosen path
    QString Filter;    // "description|pattern|description|pattern..."
    int FilterIndex = 0;

    const QString& FileTitle() const { return file_title_; }

    // Number of files chosen, 0 when cancelled.
    int ShowOpen();
    // True when the user confirmed; always a single file.
    bool ShowSave();
    // The last failure: 0 with "L'utilisateur a annulé l'opération." when
    // the dialog was simply cancelled.
    int ErrCodeDlg(QString& message) const;

    // The filter as the dialog's name filters: "Calculs (*.dat)".
    QStringList NameFilters() const;

    // Tests replace the dialog; an empty chooser restores it.
    static void SetChooserForTesting(Chooser chooser);

  private:
    Request MakeRequest(bool save) const;
    QStringList Run(const Request& request);

    QString file_title_;
    int last_error_ = 0;
};

}  // namespace tallimo
