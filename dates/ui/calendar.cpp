#include "dates/ui/calendar.h"

#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

#include "dates/date_texts.h"
#include "dates/ui/day_cell.h"
#include "platform/shell_basics.h"

namespace tallimo {

namespace {

const QColor kGrey(0x80, 0x80, 0x80);
const QColor kFace(0xC0, 0xC0, 0xC0);
const QColor kLight(0xFF, 0xFF, 0xFF);
const QColor kDark(0x00, 0x00, 0x00);

constexpr int kArrowWidth = 20;
constexpr int kArrowHeight = 15;

void SetTextColour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);  // in every state, disabled too
    widget.setPalette(palette);
}

}  // namespace

CalendarDate Today() {
    const QDate today = QDate::currentDate();
    return CalendarDate::FromYmd(today.year(), today.month(), today.day())
        .value_or(CalendarDate::First());
}

CalendarArrow::CalendarArrow(Direction direction, QWidget* parent)
    : QAbstractButton(parent), direction_(direction) {
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(kArrowWidth, kArrowHeight);
    // A right press steps by a year, never opens a menu.
    setContextMenuPolicy(Qt::PreventContextMenu);
}

QSize CalendarArrow::sizeHint() const {
    return {kArrowWidth, kArrowHeight};
}

void CalendarArrow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int right = kArrowWidth - 1;
    const int bottom = kArrowHeight - 1;
    painter.fillRect(rect(), kFace);
    painter.setPen(kLight);
    painter.drawLine(0, 0, right - 1, 0);
    painter.drawLine(0, 0, 0, bottom - 1);
    painter.setPen(kDark);
    painter.drawLine(0, bottom, right, bottom);
    painter.drawLine(right, 0, right, bottom);
    painter.setPen(kGrey);
    painter.drawLine(1, bottom - 1, right - 1, bottom - 1);
    painter.drawLine(right - 1, 1, right - 1, bottom - 1);

    // Five rows, three columns: the tip alone in the middle row.
    auto triangle = [&](int dx, int dy, const QColor& colour) {
        painter.setPen(colour);
        const int tip = direction_ == Direction::Left ? 8 : 11;
        const int base = direction_ == Direction::Left ? 10 : 9;
        for (int row = 0; row < 5; ++row) {
            const int from_tip = std::abs(row - 2);
            const int x = direction_ == Direction::Left ? tip + from_tip : tip - from_tip;
            painter.drawLine(x + dx, 5 + row + dy, base + dx, 5 + row + dy);
        }
    };
    if (isEnabled()) {
        triangle(0, 0, kDark);
    } else {
        triangle(1, 1, kLight);
        triangle(0, 0, kGrey);
    }
}

void CalendarArrow::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit Pressed(event->button());
}

void CalendarArrow::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();  // it acted on the press
}

Calendar::Calendar(QWidget* parent) : QWidget(parent), value_(Today()) {
    InstallDayCellAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(TwipsToPixels(2500), TwipsToPixels(2300));

    const std::array<std::pair<CalendarArrow::Direction, std::string_view>, 2> arrows = {
        std::pair{CalendarArrow::Direction::Left, date_texts::kPreviousTip},
        std::pair{CalendarArrow::Direction::Right, date_texts::kNextTip}};
    for (int i = 0; i < 2; ++i) {
        auto* arrow = new CalendarArrow(arrows[i].first, this);
        arrow->setObjectName(QStringLiteral("imaNav%1").arg(i));
        arrow->setToolTip(Utf8(arrows[i].second));
        arrow->setAccessibleName(i == 0 ? QStringLiteral("Mois précédent")
                                        : QStringLiteral("Mois suivant"));
        const int step = i == 0 ? -1 : 1;
        connect(arrow, &CalendarArrow::Pressed, this,
                [this, step](Qt::MouseButton button) { OnArrowPressed(step, button); });
        connect(arrow, &QAbstractButton::clicked, this,
                [this, step] { OnArrowPressed(step, Qt::LeftButton); });
        arrows_[i] = arrow;
    }

    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("lblTitre"));
    title_->setAlignment(Qt::AlignCenter);
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);

    for (int column = 0; column < kCalendarColumns; ++column) {
        auto* heading = new QLabel(Utf8(kWeekdayHeadings[column]), this);
        heading->setObjectName(QStringLiteral("lblTête%1").arg(column));
        // Close under the title band, clear of the line below.
        heading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        headings_[column] = heading;
    }
    for (int cell = 0; cell < kCalendarCells; ++cell) {
        auto* day = new DayCell(this);
        day->setObjectName(QStringLiteral("lblJour%1").arg(cell));
        connect(day, &DayCell::Clicked, this, [this, cell] { OnCellClicked(cell); });
        cells_[cell] = day;
    }
    PlaceParts();
    SetTitleBackColor(title_back_);
    SetTitleForeColor(title_fore_);
    LayOut();
}

void Calendar::SetValue(CalendarDate value) {
    Show(value, false);
}

void Calendar::SetBackColor(const QColor& colour) {
    back_ = colour;
    LayOut();
    update();
}

void Calendar::SetForeColor(const QColor& colour) {
    fore_ = colour;
    LayOut();
}

void Calendar::SetTitleBackColor(const QColor& colour) {
    title_back_ = colour;
    for (QLabel* heading : headings_) {
        SetTextColour(*heading, colour);
    }
    LayOut();
    update();
}

void Calendar::SetTitleForeColor(const QColor& colour) {
    title_fore_ = colour;
    SetTextColour(*title_, colour);
    LayOut();
}

void Calendar::SetBorderStyle(int style) {
    border_style_ = style;
    PlaceParts();
    update();
}

void Calendar::SetAppearance(int appearance) {
    appearance_ = appearance;
    PlaceParts();
    update();
}

void Calendar::SetCaption(const QString& caption) {
    caption_ = caption;
    LayOut();
}

int Calendar::BorderWidth() const {
    return border_style_ == 0 ? 0 : appearance_ == 0 ? 1 : 2;
}

// The parts sit in the client area, inside the border.
void Calendar::PlaceParts() {
    const QPoint inside(BorderWidth(), BorderWidth());
    arrows_[0]->move(QPoint(TwipsToPixels(120), TwipsToPixels(120)) + inside);
    arrows_[1]->move(QPoint(TwipsToPixels(2040), TwipsToPixels(120)) + inside);
    title_->setGeometry(TwipsRect(360, 120, 1815, 255).translated(inside));
    for (int column = 0; column < kCalendarColumns; ++column) {
        headings_[column]->setGeometry(TwipsRect(360 * column, 480, 300, 255).translated(inside));
    }
    for (int cell = 0; cell < kCalendarCells; ++cell) {
        const int row = cell / kCalendarColumns;
        const int column = cell % kCalendarColumns;
        cells_[cell]->setGeometry(
            TwipsRect(360 * column, 720 + 240 * row, 300, 220).translated(inside));
    }
}

void Calendar::LayOut() {
    layout_ = LayOutMonth(value_);
    const QString title = QString::fromStdString(MonthTitle(value_));
    title_->setText(title);
    for (int cell = 0; cell < kCalendarCells; ++cell) {
        const LayoutCell& day = layout_.cells[cell];
        const bool selected = cell == layout_.selected_cell;
        cells_[cell]->Show(QString::number(day.day),
                           selected             ? title_fore_
                           : day.in_shown_month ? fore_
                                                : kGrey,
                           selected ? title_back_ : QColor());
    }
    const QString day = QString::fromStdString(DateText(value_));
    setAccessibleName(caption_.isEmpty()
                          ? title + QStringLiteral(", ") + day
                          : caption_ + QStringLiteral(", ") + title + QStringLiteral(", ") + day);
}

void Calendar::Show(CalendarDate value, bool by_user) {
    value_ = value;
    LayOut();
    emit Change(by_user);
}

bool Calendar::MoveBy(DateUnit unit, int count) {
    const std::optional<CalendarDate> moved = AddToDate(value_, unit, count);
    if (!moved) {
        return false;
    }
    Show(*moved, true);
    return true;
}

void Calendar::OnArrowPressed(int step, Qt::MouseButton button) {
    if (isEnabled()) {
        MoveBy(button == Qt::LeftButton ? DateUnit::Months : DateUnit::Years, step);
    }
}

void Calendar::OnCellClicked(int cell) {
    if (isEnabled() && MoveBy(DateUnit::Days, cell - layout_.selected_cell)) {
        emit DateClick();
        emit Click();
    }
}

void Calendar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int border = BorderWidth();
    painter.fillRect(rect(), back_);
    painter.fillRect(TwipsRect(0, 0, 2550, 495).translated(border, border), title_back_);
    painter.setPen(palette().color(QPalette::Active, QPalette::WindowText));
    const int line_y = TwipsToPixels(675) + border;
    painter.drawLine(border, line_y, TwipsToPixels(2460) + border, line_y);

    const int right = width() - 1;
    const int bottom = height() - 1;
    if (border_style_ != 0 && appearance_ == 0) {
        painter.setPen(kDark);
        painter.drawRect(0, 0, right, bottom);
    } else if (border_style_ != 0) {
        // Sunken: shadow above and left, light below and right.
        const std::array<std::pair<QColor, QColor>, 2> rings = {std::pair{kGrey, kLight},
                                                                std::pair{kDark, kFace}};
        for (int i = 0; i < 2; ++i) {
            painter.setPen(rings[i].first);
            painter.drawLine(i, i, right - i - 1, i);
            painter.drawLine(i, i, i, bottom - i - 1);
            painter.setPen(rings[i].second);
            painter.drawLine(i, bottom - i, right - i, bottom - i);
            painter.drawLine(right - i, i, right - i, bottom - i);
        }
    }
}

void Calendar::keyPressEvent(QKeyEvent* event) {
    const int shift = ModifierMask(event->modifiers());
    // Page keys: Ctrl alone steps years, Shift alone ten years, anything
    // else months.
    const auto page = [this, shift](int sign) {
        if (shift == 2) {
            MoveBy(DateUnit::Years, sign);
        } else if (shift == 1) {
            MoveBy(DateUnit::Years, 10 * sign);
        } else {
            MoveBy(DateUnit::Months, sign);
        }
    };
    switch (event->key()) {
        case Qt::Key_Left:
            MoveBy(DateUnit::Days, -1);
            break;
        case Qt::Key_Right:
            MoveBy(DateUnit::Days, 1);
            break;
        case Qt::Key_Up:
            MoveBy(DateUnit::Days, -7);
            break;
        case Qt::Key_Down:
            MoveBy(DateUnit::Days, 7);
            break;
        case Qt::Key_PageUp:
            page(-1);
            break;
        case Qt::Key_PageDown:
            page(1);
            break;
        case Qt::Key_Home:
            Show(Today(), true);
            break;
        default:
            emit KeyDown(event->key(), shift);
            QWidget::keyPressEvent(event);
            return;
    }
    event->accept();
    emit KeyDown(event->key(), shift);
}

void Calendar::mousePressEvent(QMouseEvent* event) {
    event->accept();  // the release comes here
}

void Calendar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit Click();
    }
}

void Calendar::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    emit DblClick();
}

void Calendar::focusInEvent(QFocusEvent* event) {
    QFont font = title_->font();
    font.setUnderline(true);
    title_->setFont(font);
    QWidget::focusInEvent(event);
}

void Calendar::focusOutEvent(QFocusEvent* event) {
    QFont font = title_->font();
    font.setUnderline(false);
    title_->setFont(font);
    QWidget::focusOutEvent(event);
}

}  // namespace tallimo
