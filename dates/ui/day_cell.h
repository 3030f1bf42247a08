// A day cell of the calendar: its day number, centred, in the colours the
// calendar gives it. Screen readers see it as a table cell named after its
// number, selected when it holds the calendar's day, with a press action.
#pragma once

#include <QColor>
#include <QWidget>

namespace tallimo {

class DayCell : public QWidget {
    Q_OBJECT

  public:
    explicit DayCell(QWidget* parent);

    QString Text() const { return text_; }
    QColor TextColor() const { return text_colour_; }
    // No fill when invalid: the calendar's background shows.
    QColor Fill() const { return fill_; }
    bool Selected() const { return fill_.isValid(); }
    void Show(const QString& text, const QColor& text_colour, const QColor& fill);

    // The user clicked the cell, or pressed it through its accessible action.
    void Press() { emit Clicked(); }

  signals:
    void Clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QString text_;
    QColor text_colour_;
    QColor fill_;
};

// Makes screen readers see day cells as above, and calendars as groups
// named after their day; once is enough, more is harmless.
void InstallDayCellAccessibility();

}  // namespace tallimo
