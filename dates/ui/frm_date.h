// The date calculator window: a day plus or minus years, months and days,
// or the interval between two days. Modeless; it shares nothing with the
// calculator and starts afresh each time it is opened.
#pragma once

#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <array>

#include "dates/calendar_date.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace tallimo {

class Calendar;
class Host;

// A push button whose caption wraps onto several lines, as the side panel's
// narrow buttons need.
class WrappingButton : public QPushButton {
    Q_OBJECT

  public:
    WrappingButton(const QString& text, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

class FrmDate : public QWidget {
    Q_OBJECT

  public:
    enum class Mode { None, Date, Interval };

    // The window at its load state: no mode chosen, both calendars on today.
    // With a parent it is a window of its own above it.
    explicit FrmDate(Host& host, QWidget* parent = nullptr);

    Mode CurrentMode() const { return mode_; }
    bool HelpShown() const { return help_shown_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void OnModeButton(Mode mode);
    void EnterDateMode();
    void EnterIntervalMode();
    void ToggleHelp();
    void OnFieldEdited(int field);
    // The three fields back to "0", "Ajouter" selected when asked, without a
    // computation on the way.
    void ResetFields(bool select_add);
    void ComputeResultDate();
    // After a result out of range: the start day, the direction and the
    // fields go back to what the result shown was computed from.
    void RestoreComputedInputs();
    void ComputeInterval();
    void SetDateWidgetsVisible(bool visible);
    void SetResultsVisible(bool visible);

    Host& host_;
    Mode mode_ = Mode::None;
    bool help_shown_ = false;
    bool resetting_ = false;
    std::array<QString, 3> last_valid_;
    // What the result date shown was computed from.
    CalendarDate computed_start_;
    bool computed_subtract_ = false;
    std::array<QString, 3> computed_texts_;

    QLabel* mode_name_ = nullptr;
    std::array<WrappingButton*, 2> mode_buttons_{};
    QLabel* instruction_ = nullptr;
    Calendar* start_ = nullptr;
    Calendar* end_ = nullptr;
    QPushButton* help_button_ = nullptr;
    std::array<QRadioButton*, 2> directions_{};
    std::array<QLineEdit*, 3> fields_{};
    std::array<QLabel*, 3> units_{};
    std::array<QLabel*, 2> results_{};
    QLabel* help_ = nullptr;
};

// What the main window's menu item "Calculateur de dates" does: shows the
// window kept in `window`, first making a new one when there is none (never
// opened, or closed since: the windows it makes delete themselves when
// closed); a minimised window comes back to its normal size; the window is
// raised and activated.
FrmDate& OpenDateCalculator(Host& host, QWidget* parent, QPointer<FrmDate>& window);

}  // namespace tallimo
