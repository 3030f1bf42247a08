// What the windows ask of the desktop around them: message boxes, the
// decimals question, file dialogs and a pause before a key acts. main()
// makes the desktop's own (QtHost) and hands it to the windows; tests hand
// in a fake one that answers as they script it.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "engine/message_sink.h"

class QObject;
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

class Host : public MessageSink, public TextPrompt {
  public:
    // The paths chosen, with the index of the name filter in use; no path
    // when the user cancelled.
    struct ChosenFiles {
        QStringList paths;
        int filter_index = 0;
    };
    virtual ChosenFiles ChooseFiles(const FileDialogRequest& request) = 0;

    // Runs `action` once after `milliseconds`, on the user-interface thread,
    // unless `context` is destroyed first.
    virtual void RunLater(int milliseconds, QObject* context, std::function<void()> action) = 0;
};

}  // namespace tallimo
