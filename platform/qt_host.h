// The desktop's own services: Qt's message boxes, input box, file dialogs
// and timers. Dialogs belong to the window that is active when they open.
#pragma once

#include "platform/host.h"

namespace tallimo {

class QtHost : public Host {
  public:
    // A message box titled "Tallimo", with OK only.
    void ShowMessage(std::string_view text, MessageIcon icon = MessageIcon::None) override;
    // An input box titled "Tallimo".
    std::optional<std::string> AskText(std::string_view prompt,
                                       std::string_view default_answer) override;
    ChosenFiles ChooseFiles(const FileDialogRequest& request) override;
    void RunLater(int milliseconds, QObject* context, std::function<void()> action) override;
};

}  // namespace tallimo
