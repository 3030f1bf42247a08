// What the windows ask of the desktop around them: message boxes, the
// decimals question, file and print dialogs, the print preview and a pause
// before a key acts. main()
// makes the desktop's own (QtHost) and hands it to the windows; tests hand
// in a fake one that answers as they script it.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "appearance/color_value.h"
#include "appearance/settings_store.h"
#include "engine/message_sink.h"

class QObject;
class QPrinter;
class QUrl;
class QWidget;

namespace tallimo {

// An open or save file dialog, as cOpenSaveFile prepares it.
struct FileDialogRequest {
    bool save = false;
    QWidget* owner = nullptr;
    QString title;  // empty: the dialog's own
    QString directory;
    QString file_name;
    QStringList name_filters;  // "Calculs (*.dat)"
    int filter_index = 0;      // the name filter shown first, from 0
    QString default_suffix;
    bool allow_multi_select = false;
    bool file_must_exist = false;
    bool overwrite_prompt = true;
};

// A print dialog, as cPrintDlg prepares it.
struct PrintDialogRequest {
    QWidget* owner = nullptr;
    bool setup = true;          // printer, paper and orientation only, no page choice
    bool print_to_file = true;  // a PDF file may be chosen instead of a printer
    bool page_range = true;     // the print dialog: pages from and to
    bool selection = false;     // the print dialog: the selection
    int min_page = 0;           // the bounds of the page range; 0: none
    int max_page = 0;
};

// A colour dialog, as ShowColorDialog prepares it.
struct ColorDialogRequest {
    QWidget* owner = nullptr;  // none: the active window
    // Preselected only when it is an RGB colour above black; black and the
    // system colours open with no preselection.
    ColorValue initial = 0;
};

// What a colour dialog gives when the user cancels it.
inline constexpr ColorValue kNoColorChosen = -1;

enum class PrintDialogResult {
    Accepted,
    Cancelled,
    NoPrinter,  // no printer installed and no file allowed: nothing shown
};

class Host : public MessageSink, public TextPrompt {
  public:
    // The paths chosen, with the index of the name filter in use; no path
    // when the user cancelled.
    struct ChosenFiles {
        QStringList paths;
        int filter_index = 0;
    };
    virtual ChosenFiles ChooseFiles(const FileDialogRequest& request) = 0;

    // Shows the print dialog on `printer`, which takes the user's choices
    // (printer or PDF file, paper, orientation, ...) when it is accepted.
    virtual PrintDialogResult RunPrintDialog(QPrinter& printer,
                                             const PrintDialogRequest& request) = 0;

    // Shows the pages that `paint` paints on `printer` in a modal preview
    // titled `title`, from which the user may print them; `paint` runs again
    // whenever the page set-up changes or the pages are printed.
    virtual void ShowPrintPreview(QPrinter& printer, QWidget* owner, const QString& title,
                                  const std::function<void(QPrinter&)>& paint) = 0;

    // The chosen RGB colour, or kNoColorChosen when the user cancelled. The
    // dialog offers the custom colours defined earlier in the run.
    virtual ColorValue ChooseColor(const ColorDialogRequest& request) = 0;

    // The per-user settings store, for the whole run.
    virtual SettingsStore& Settings() = 0;

    // Runs `action` once after `milliseconds`, on the user-interface thread,
    // unless `context` is destroyed first.
    virtual void RunLater(int milliseconds, QObject* context, std::function<void()> action) = 0;

    // Hands a document or a link (file, mailto:, http:) to the desktop's
    // application for it; false when none could open it.
    virtual bool OpenUrl(const QUrl& url) = 0;
};

}  // namespace tallimo
