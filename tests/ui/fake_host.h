// The host that the widget tests hand to the windows: its messages and
// questions are answered by the test, its file dialogs by a chooser the test
// sets, and its pauses wait until the test lets them end.
#pragma once

#include <QPointer>
#include <deque>
#include <functional>
#include <utility>
#include <vector>

#include "platform/host.h"
#include "scripted_dialogs.h"

namespace tallimo::testing {

class FakeHost : public Host {
  public:
    void ShowMessage(std::string_view text, MessageIcon icon) override {
        dialogs.ShowMessage(text, icon);
    }
    std::optional<std::string> AskText(std::string_view prompt, std::string_view def) override {
        return dialogs.AskText(prompt, def);
    }
    ChosenFiles ChooseFiles(const FileDialogRequest& request) override {
        file_requests.push_back(request);
        return choose_files ? choose_files(request) : ChosenFiles{};
    }
    void RunLater(int milliseconds, QObject* context, std::function<void()> action) override {
        delays.push_back(milliseconds);
        waiting_.emplace_back(QPointer<QObject>(context), std::move(action));
    }

    // Ends every pause, those that the actions start included, in order.
    void EndPauses() {
        while (!waiting_.empty()) {
            auto [context, action] = std::move(waiting_.front());
            waiting_.pop_front();
            if (context) {
                action();
            }
        }
    }
    bool Paused() const { return !waiting_.empty(); }

    ScriptedDialogs dialogs;
    std::function<ChosenFiles(const FileDialogRequest&)> choose_files;
    std::vector<FileDialogRequest> file_requests;
    std::vector<int> delays;

  private:
    std::deque<std::pair<QPointer<QObject>, std::function<void()>>> waiting_;
};

}  // namespace tallimo::testing
