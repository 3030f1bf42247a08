// The desktop's own services: Qt's message boxes, input box, file and print
// dialogs, print preview and timers. Dialogs belong to the window that is active when they open.
#pragma once

#include <QRgb>
#include <array>
#include <memory>

#include "platform/host.h"

namespace tallimo {

class QtSettingsStore;

class QtHost : public Host {
  public:
    QtHost();
    ~QtHost() override;

    // A message box titled "Tallimo", with OK only.
    void ShowMessage(std::string_view text, MessageIcon icon = MessageIcon::None) override;
    // An input box titled "Tallimo".
    std::optional<std::string> AskText(std::string_view prompt,
                                       std::string_view default_answer) override;
    ChosenFiles ChooseFiles(const FileDialogRequest& request) override;
    // Qt's print dialog, which always offers printing to a PDF file unless
    // the request forbids it.
    PrintDialogResult RunPrintDialog(QPrinter& printer, const PrintDialogRequest& request) override;
    void ShowPrintPreview(QPrinter& printer, QWidget* owner, const QString& title,
                          const std::function<void(QPrinter&)>& paint) override;
    void RunLater(int milliseconds, QObject* context, std::function<void()> action) override;
    // Qt's own colour dialog (so it speaks the program's language), centred
    // on its owner.
    ColorValue ChooseColor(const ColorDialogRequest& request) override;
    // Opened at the first use.
    SettingsStore& Settings() override;
    // Qt's desktop services.
    bool OpenUrl(const QUrl& url) override;

  private:
    // The 16 custom colours of the colour dialog, kept for the run only.
    std::array<QRgb, 16> custom_colors_;
    std::unique_ptr<QtSettingsStore> settings_;
};

}  // namespace tallimo
