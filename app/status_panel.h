// A panel of the status bar that never shows a number cut short: a text too
// long for the panel is shown with "…" at its end, and the whole text stays
// the panel's text, tooltip and accessible name.
#pragma once

#include <QLabel>

namespace tallimo {

class StatusPanel : public QLabel {
    Q_OBJECT

  public:
    explicit StatusPanel(QWidget* parent = nullptr);

    void SetFullText(const QString& text);
    // What the panel shows at its present width.
    QString ShownText() const;

    // Panels share the status bar's width, however long their texts.
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tallimo
