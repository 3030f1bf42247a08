// The month calendar: a title band with the month and year between two arrow
// buttons, the weekday headings, and six weeks of day cells, Monday first.
// It holds one selected day, which the user moves with the arrows, the cells
// or the keyboard, and tells its container about every change.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QWidget>
#include <array>

#include "dates/calendar_date.h"
#include "dates/month_layout.h"

class QLabel;

namespace tallimo {

class DayCell;

// Today on this computer's clock.
CalendarDate Today();

// One of the two arrows of the title band: a 20 × 15 pixel button face with
// a small triangle, black when enabled, grey in relief when not. A press of
// any mouse button acts at once; pressing it otherwise (a screen reader's
// action) counts as a left press.
class CalendarArrow : public QAbstractButton {
    Q_OBJECT

  public:
    enum class Direction { Left, Right };
    CalendarArrow(Direction direction, QWidget* parent);

    QSize sizeHint() const override;

  signals:
    void Pressed(Qt::MouseButton button);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    Direction direction_;
};

class Calendar : public QWidget {
    Q_OBJECT

  public:
    explicit Calendar(QWidget* parent = nullptr);

    // The selected day; today's date until told otherwise. Setting it raises
    // Change(false), even when the day stays the same.
    CalendarDate Value() const { return value_; }
    void SetValue(CalendarDate value);

    QColor BackColor() const { return back_; }
    void SetBackColor(const QColor& colour);
    QColor ForeColor() const { return fore_; }
    void SetForeColor(const QColor& colour);
    QColor TitleBackColor() const { return title_back_; }
    void SetTitleBackColor(const QColor& colour);
    QColor TitleForeColor() const { return title_fore_; }
    void SetTitleForeColor(const QColor& colour);
    // 0 none, 1 single line.
    int BorderStyle() const { return border_style_; }
    void SetBorderStyle(int style);
    // 1 sunken (3D), 0 flat; seen only with a border.
    int Appearance() const { return appearance_; }
    void SetAppearance(int appearance);

    // The words that name the calendar to a screen reader, before the shown
    // month and the selected day: "Date de départ" gives the accessible name
    // "Date de départ, décembre 2026, 07/12/2026".
    void SetCaption(const QString& caption);

    void Refresh() { update(); }

    // The page shown now.
    const MonthLayout& Layout() const { return layout_; }

  signals:
    // After every change of Value: by the user (mouse, keyboard) or by a
    // program (SetValue).
    void Change(bool by_user);
    // A day cell was clicked (after Change).
    void DateClick();
    // After DateClick, or a click on the calendar's own surface.
    void Click();
    void DblClick();
    // After the calendar's own handling of a key: Qt's key code, the
    // modifiers as 1 Shift, 2 Ctrl, 4 Alt.
    void KeyDown(int key, int shift);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    // Moves the selected day; a move that would leave the range is ignored.
    bool MoveBy(DateUnit unit, int count);
    void OnArrowPressed(int step, Qt::MouseButton button);
    void OnCellClicked(int cell);
    void Show(CalendarDate value, bool by_user);
    void LayOut();
    int BorderWidth() const;
    void PlaceParts();

    CalendarDate value_;
    MonthLayout layout_;
    QString caption_;
    QColor back_{255, 255, 255};
    QColor fore_{0, 0, 0};
    QColor title_back_{0, 0, 255};
    QColor title_fore_{255, 255, 255};
    int border_style_ = 0;
    int appearance_ = 1;

    std::array<CalendarArrow*, 2> arrows_{};
    QLabel* title_ = nullptr;
    std::array<QLabel*, kCalendarColumns> headings_{};
    std::array<DayCell*, kCalendarCells> cells_{};
};

}  // namespace tallimo
