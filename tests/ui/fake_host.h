// The host that the widget tests hand to the windows: its messages and
// questions are answered by the test, its file and print dialogs and its
// print preview by functions the test sets, and its pauses wait until the
// test lets them end.
#pragma once

#include <QPointer>
#include <QUrl>
#include <deque>
#include <functional>
#include <utility>
#include <vector>

#include "memory_settings_store.h"
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
    // Without a scripted dialog, the print dialog is cancelled.
    PrintDialogResult RunPrintDialog(QPrinter& printer,
                                     const PrintDialogRequest& request) override {
        print_requests.push_back(request);
        return print_dialog ? print_dialog(printer, request) : PrintDialogResult::Cancelled;
    }
    // Without a scripted preview, the preview is closed at once.
    void ShowPrintPreview(QPrinter& printer, QWidget*, const QString& title,
                          const std::function<void(QPrinter&)>& paint) override {
        preview_titles.push_back(title);
        if (print_preview) {
            print_preview(printer, paint);
        }
    }
    void RunLater(int, QObject* context, std::function<void()> action) override {
        waiting_.emplace_back(QPointer<QObject>(context), std::move(action));
    }

    // Without a scripted colour dialog, it is cancelled.
    ColorValue ChooseColor(const ColorDialogRequest& request) override {
        color_requests.push_back(request);
        return choose_color ? choose_color(request) : kNoColorChosen;
    }
    SettingsStore& Settings() override { return settings; }
    // Nothing is opened: the link is kept, and the answer is `open_url_result`.
    bool OpenUrl(const QUrl& url) override {
        opened_urls.push_back(url);
        return open_url_result;
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

    ScriptedDialogs dialogs;
    std::function<ChosenFiles(const FileDialogRequest&)> choose_files;
    std::vector<FileDialogRequest> file_requests;
    std::function<PrintDialogResult(QPrinter&, const PrintDialogRequest&)> print_dialog;
    std::vector<PrintDialogRequest> print_requests;
    std::function<void(QPrinter&, const std::function<void(QPrinter&)>&)> print_preview;
    std::vector<QString> preview_titles;
    std::function<ColorValue(const ColorDialogRequest&)> choose_color;
    std::vector<ColorDialogRequest> color_requests;
    MemorySettingsStore settings;
    std::vector<QUrl> opened_urls;
    bool open_url_result = true;

  private:
    std::deque<std::pair<QPointer<QObject>, std::function<void()>>> waiting_;
};

}  // namespace tallimo::testing
