#include "dates/ui/frm_date.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "dates/count_text.h"
#include "dates/date_interval.h"
#include "dates/date_shift.h"
#include "dates/date_texts.h"
#include "dates/ui/calendar.h"
#include "platform/host.h"
#include "platform/shell_basics.h"

namespace tallimo {

namespace {

// The window's texts break lines the Windows way; labels want "\n".
QString Q(std::string_view text) {
    return Utf8(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

const QColor kNavy(0, 0, 128);
const QColor kTeal(0, 128, 128);

QLabel* NewLabel(QWidget* parent, const char* name, const QRect& place) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setGeometry(place);
    return label;
}

void MakeBold(QWidget& widget) {
    QFont font = widget.font();
    font.setBold(true);
    widget.setFont(font);
}

double CountOf(const QLineEdit& field) {
    const CountText read = ReadCountText(field.text().toStdString());
    return read.kind == CountText::Kind::Number ? read.value : 0;
}

}  // namespace

WrappingButton::WrappingButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

void WrappingButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect inside = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    style()->drawItemText(&painter, inside, Qt::AlignCenter | Qt::TextWordWrap, palette(),
                          isEnabled(), text(), QPalette::ButtonText);
}

FrmDate::FrmDate(Host& host, QWidget* parent) : QWidget(parent, Qt::Window), host_(host) {
    setObjectName(QStringLiteral("frmDate"));
    setWindowTitle(Q(date_texts::kCaption));
    setFixedSize(TwipsToPixels(8340), TwipsToPixels(5670));
    setFont(WindowFont(8.25));

    mode_name_ = NewLabel(this, "lblChoisi", TwipsRect(240, 360, 1575, 855));
    mode_name_->setWordWrap(true);
    mode_name_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    MakeBold(*mode_name_);
    QPalette white_text = mode_name_->palette();
    white_text.setColor(QPalette::WindowText, Qt::white);
    mode_name_->setPalette(white_text);
    mode_name_->hide();

    const std::array<std::string_view, 2> mode_captions = {date_texts::kDateModeButton,
                                                           date_texts::kIntervalModeButton};
    for (int i = 0; i < 2; ++i) {
        auto* button = new WrappingButton(Q(mode_captions[i]), this);
        button->setObjectName(QStringLiteral("cmdMenu%1").arg(i));
        button->setGeometry(TwipsRect(120, i == 0 ? 1920 : 2880, 1695, 495));
        const Mode mode = i == 0 ? Mode::Date : Mode::Interval;
        connect(button, &QPushButton::clicked, this, [this, mode] { OnModeButton(mode); });
        mode_buttons_[i] = button;
    }

    instruction_ = NewLabel(this, "lblInstruction", TwipsRect(2160, 120, 6015, 735));
    instruction_->setWordWrap(true);
    instruction_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    for (Calendar** calendar : {&start_, &end_}) {
        *calendar = new Calendar(this);
        (*calendar)->SetTitleBackColor(kTeal);
        (*calendar)->SetBorderStyle(1);
        (*calendar)->hide();
    }
    start_->setObjectName(QStringLiteral("calDépart"));
    start_->move(TwipsToPixels(2280), TwipsToPixels(1320));
    start_->SetCaption(QStringLiteral("Date de départ"));
    end_->setObjectName(QStringLiteral("calArrivée"));
    end_->move(TwipsToPixels(5160), TwipsToPixels(1320));
    end_->SetCaption(QStringLiteral("Date d'arrivée"));
    end_->setEnabled(false);
    // A day set by this window (SelByUser false) computes nothing.
    connect(start_, &Calendar::Change, this, [this](bool by_user) {
        if (!by_user) {
            return;
        }
        if (mode_ == Mode::Date) {
            ComputeResultDate();
        } else {
            ComputeInterval();
        }
    });
    connect(end_, &Calendar::Change, this, [this](bool by_user) {
        if (by_user && mode_ == Mode::Interval) {
            ComputeInterval();
        }
    });

    help_button_ = new QPushButton(Q(date_texts::kShowHelp), this);
    help_button_->setObjectName(QStringLiteral("cmdExplication"));
    help_button_->setGeometry(TwipsRect(2040, 5280, 3255, 375));
    help_button_->hide();
    connect(help_button_, &QPushButton::clicked, this, &FrmDate::ToggleHelp);

    const std::array<std::string_view, 2> direction_captions = {date_texts::kAdd,
                                                                date_texts::kSubtract};
    for (int i = 0; i < 2; ++i) {
        auto* option = new QRadioButton(Q(direction_captions[i]), this);
        option->setObjectName(QStringLiteral("optIntervalle%1").arg(i));
        option->setGeometry(TwipsRect(3240, 4200 + 360 * i, 1215, 255));
        option->setChecked(i == 0);
        option->hide();
        connect(option, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked && !resetting_) {
                ComputeResultDate();
            }
        });
        directions_[i] = option;
    }

    const std::array<std::string_view, 3> unit_captions = {date_texts::kYears, date_texts::kMonths,
                                                           date_texts::kDays};
    for (int i = 0; i < 3; ++i) {
        auto* field = new QLineEdit(QStringLiteral("0"), this);
        field->setObjectName(QStringLiteral("txtIntervalle%1").arg(i));
        field->setGeometry(TwipsRect(4800, 4200 + 360 * i, 855, 285));
        field->setAlignment(Qt::AlignRight);
        field->setAccessibleName(Q(unit_captions[i]));
        field->installEventFilter(this);
        field->hide();
        // Typing, pasting, undoing: the user's edits. The window's own
        // writes handle their consequences where they are made.
        connect(field, &QLineEdit::textEdited, this, [this, i] { OnFieldEdited(i); });
        fields_[i] = field;
        last_valid_[i] = field->text();

        units_[i] = NewLabel(this, "", TwipsRect(5880, 4200 + 360 * i, 735, 255));
        units_[i]->setObjectName(QStringLiteral("lblIntervalle%1").arg(i));
        units_[i]->setText(Q(unit_captions[i]));
        units_[i]->setBuddy(field);
        units_[i]->hide();
    }

    results_[0] = NewLabel(this, "", TwipsRect(2160, 3720, 4815, 255));
    results_[0]->setObjectName(QStringLiteral("lblRésultat0"));
    results_[0]->setText(Q(date_texts::kIntervalHeading));
    MakeBold(*results_[0]);
    results_[1] = NewLabel(this, "", TwipsRect(3120, 4080, 4215, 735));
    results_[1]->setObjectName(QStringLiteral("lblRésultat1"));
    results_[1]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    results_[1]->setAlignment(Qt::AlignCenter);
    for (QLabel* result : results_) {
        result->hide();
    }

    help_ = NewLabel(this, "lblExplication", TwipsRect(2640, 2520, 2895, 2415));
    help_->setFrameStyle(QFrame::Box | QFrame::Plain);
    help_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    help_->setAutoFillBackground(true);
    QPalette tooltip = help_->palette();
    tooltip.setColor(QPalette::Window, tooltip.color(QPalette::ToolTipBase));
    tooltip.setColor(QPalette::WindowText, tooltip.color(QPalette::ToolTipText));
    help_->setPalette(tooltip);
    help_->hide();

    setTabOrder(mode_buttons_[0], mode_buttons_[1]);
    setTabOrder(mode_buttons_[1], start_);
    setTabOrder(start_, help_button_);
    setTabOrder(help_button_, directions_[0]);
    setTabOrder(directions_[0], directions_[1]);
    setTabOrder(directions_[1], fields_[0]);
    setTabOrder(fields_[0], fields_[1]);
    setTabOrder(fields_[1], fields_[2]);
    setTabOrder(fields_[2], end_);

    start_->SetValue(Today());
    end_->SetValue(Today());
    computed_start_ = start_->Value();
    computed_texts_ = last_valid_;
}

void FrmDate::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(TwipsRect(0, 0, 1935, 5655), kNavy);
}

bool FrmDate::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        for (int i = 0; i < 3; ++i) {
            if (watched == fields_[i]) {
                last_valid_[i] = fields_[i]->text();
                fields_[i]->selectAll();
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FrmDate::OnModeButton(Mode mode) {
    if (mode == Mode::Interval) {
        EnterIntervalMode();
    } else if (mode_ == Mode::Date) {
        // Again: a fresh start from today, the direction kept.
        start_->SetValue(Today());
        ResetFields(false);
        ComputeResultDate();
        start_->setFocus();
    } else {
        EnterDateMode();
    }
}

void FrmDate::EnterDateMode() {
    if (mode_ == Mode::Interval) {
        SetResultsVisible(false);
    }
    mode_ = Mode::Date;
    help_button_->show();
    mode_name_->setText(Q(date_texts::kDateModeName));
    mode_name_->show();
    instruction_->setText(Q(date_texts::kDateInstruction));
    instruction_->show();
    ResetFields(true);
    start_->show();
    end_->show();
    end_->setEnabled(false);
    SetDateWidgetsVisible(true);
    ComputeResultDate();
    start_->setFocus();
}

void FrmDate::EnterIntervalMode() {
    if (mode_ == Mode::Interval) {
        return;
    }
    if (mode_ == Mode::Date) {
        SetDateWidgetsVisible(false);
    }
    mode_ = Mode::Interval;
    help_button_->show();
    mode_name_->setText(Q(date_texts::kIntervalModeName));
    mode_name_->show();
    instruction_->setText(Q(date_texts::kIntervalInstruction));
    instruction_->show();
    start_->show();
    end_->show();
    end_->setEnabled(true);
    SetResultsVisible(true);
    ComputeInterval();
    start_->setFocus();
}

void FrmDate::ToggleHelp() {
    help_shown_ = !help_shown_;
    for (QPushButton* button : mode_buttons_) {
        button->setEnabled(!help_shown_);
    }
    start_->setVisible(!help_shown_);
    end_->setVisible(!help_shown_);
    if (mode_ == Mode::Date) {
        SetDateWidgetsVisible(!help_shown_);
    } else {
        SetResultsVisible(!help_shown_);
    }
    help_->setText(Q(date_texts::kHelp));
    help_->setVisible(help_shown_);
    help_button_->setText(Q(help_shown_ ? date_texts::kHideHelp : date_texts::kShowHelp));
    if (!help_shown_) {
        start_->setFocus();
    }
}

void FrmDate::SetDateWidgetsVisible(bool visible) {
    for (QRadioButton* option : directions_) {
        option->setVisible(visible);
    }
    for (int i = 0; i < 3; ++i) {
        fields_[i]->setVisible(visible);
        units_[i]->setVisible(visible);
    }
}

void FrmDate::SetResultsVisible(bool visible) {
    for (QLabel* result : results_) {
        result->setVisible(visible);
    }
}

void FrmDate::ResetFields(bool select_add) {
    resetting_ = true;
    if (select_add) {
        directions_[0]->setChecked(true);
    }
    for (int i = 0; i < 3; ++i) {
        fields_[i]->setText(QStringLiteral("0"));
        last_valid_[i] = fields_[i]->text();
    }
    resetting_ = false;
}

void FrmDate::OnFieldEdited(int i) {
    QLineEdit& field = *fields_[i];
    const CountText read = ReadCountText(field.text().toStdString());
    switch (read.kind) {
        case CountText::Kind::Refused: {
            // Back to the last valid text, the caret before the refused
            // character.
            const int caret = field.cursorPosition();
            field.setText(last_valid_[i]);
            field.setCursorPosition(caret > 0 ? caret - 1 : 0);
            return;
        }
        case CountText::Kind::SignOnly:
            last_valid_[i] = field.text();
            break;
        case CountText::Kind::Empty:
        case CountText::Kind::Number: {
            const QString normal = QString::fromStdString(read.normal);
            last_valid_[i] = normal;
            if (field.text() != normal) {
                field.setText(normal);  // the caret goes to the end
            }
            break;
        }
    }
    ComputeResultDate();
}

void FrmDate::ComputeResultDate() {
    const DateCounts counts{CountOf(*fields_[0]), CountOf(*fields_[1]), CountOf(*fields_[2])};
    const std::optional<CalendarDate> result =
        ShiftDate(start_->Value(), directions_[1]->isChecked(), counts);
    if (!result) {
        host_.ShowMessage(kDateRangeMessage, MessageIcon::None);
        // The change that went too far is undone, so that what the window
        // shows is what its result was computed from.
        RestoreComputedInputs();
        return;
    }
    end_->SetValue(*result);
    computed_start_ = start_->Value();
    computed_subtract_ = directions_[1]->isChecked();
    for (int i = 0; i < 3; ++i) {
        computed_texts_[i] = fields_[i]->text();
    }
}

void FrmDate::RestoreComputedInputs() {
    resetting_ = true;
    directions_[computed_subtract_ ? 1 : 0]->setChecked(true);
    for (int i = 0; i < 3; ++i) {
        if (fields_[i]->text() != computed_texts_[i]) {
            fields_[i]->setText(computed_texts_[i]);
        }
        last_valid_[i] = computed_texts_[i];
    }
    resetting_ = false;
    start_->SetValue(computed_start_);
}

void FrmDate::ComputeInterval() {
    results_[1]->setText(Q(IntervalText(IntervalBetween(start_->Value(), end_->Value()))));
}

FrmDate& OpenDateCalculator(Host& host, QWidget* parent, QPointer<FrmDate>& window) {
    if (!window) {
        window = new FrmDate(host, parent);
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->showNormal();
    window->raise();
    window->activateWindow();
    return *window;
}

}  // namespace tallimo
