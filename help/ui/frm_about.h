// The about box: the program's name, version, description and legal notice,
// its picture, and the maker's e-mail and web links.
#pragma once

#include <QDialog>

class QLabel;

namespace tallimo {

class Host;

class FrmAbout : public QDialog {
    Q_OBJECT

  public:
    FrmAbout(Host& host, QWidget* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Opens the link of lblMail(1) or lblWeb(1); a link that cannot be
    // opened fails without a message.
    void OpenLink(QLabel* link);

    Host& host_;
    QLabel* mail_ = nullptr;
    QLabel* web_ = nullptr;
};

// Shows the about box modally over `parent`.
void ShowAbout(Host& host, QWidget* parent);

}  // namespace tallimo
