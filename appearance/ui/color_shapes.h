// Plain coloured areas and labels whose colours are colour values, resolved
// at every paint so that system colours follow the desktop's theme.
#pragma once

#include <QLabel>
#include <QWidget>
#include <optional>

#include "appearance/color_value.h"

namespace tallimo {

// A filled rectangle, with a one-pixel outline in the window text colour
// when asked.
class ColorShape : public QWidget {
    Q_OBJECT

  public:
    ColorShape(ColorValue fill, bool outlined, QWidget* parent);

    ColorValue FillColor() const { return fill_; }
    void SetFillColor(ColorValue fill);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ColorValue fill_;
    bool outlined_;
};

// A label drawn in a text colour over a background colour, or over what is
// behind it when it has none.
class ColorLabel : public QLabel {
    Q_OBJECT

  public:
    ColorLabel(const QString& text, QWidget* parent);

    std::optional<ColorValue> BackColor() const { return back_; }
    ColorValue ForeColor() const { return fore_; }
    void SetBackColor(std::optional<ColorValue> back);
    void SetForeColor(ColorValue fore);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<ColorValue> back_;
    ColorValue fore_ = 0;
};

}  // namespace tallimo
