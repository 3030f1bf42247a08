#include "dates/ui/day_cell.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace tallimo {

namespace {

class AccessibleDayCell : public QAccessibleWidget {
  public:
    explicit AccessibleDayCell(DayCell* cell) : QAccessibleWidget(cell, QAccessible::Cell) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            return Cell()->Text();
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.selectable = true;
        s.selected = Cell()->Selected();
        return s;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override {
        if (action == pressAction() && Cell()->isEnabled()) {
            Cell()->Press();
        }
    }

  private:
    DayCell* Cell() const { return static_cast<DayCell*>(widget()); }
};

QAccessibleInterface* DayCellFactory(const QString& class_name, QObject* object) {
    if (!object->isWidgetType()) {
        return nullptr;
    }
    if (class_name == QLatin1String("tallimo::DayCell")) {
        return new AccessibleDayCell(static_cast<DayCell*>(object));
    }
    // The calendar holding the cells: a named group rather than a filler.
    if (class_name == QLatin1String("tallimo::Calendar")) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Grouping);
    }
    return nullptr;
}

}  // namespace

void InstallDayCellAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(DayCellFactory);
        return true;
    }();
    (void)installed;
}

DayCell::DayCell(QWidget* parent) : QWidget(parent) {
    // The calendar takes the focus and the keys; a click on a cell gives the
    // focus to the calendar.
    setFocusPolicy(Qt::NoFocus);
}

void DayCell::Show(const QString& text, const QColor& text_colour, const QColor& fill) {
    const bool renamed = text != text_;
    const bool reselected = fill.isValid() != fill_.isValid();
    if (!renamed && text_colour == text_colour_ && fill == fill_) {
        return;  // a move within the month repaints two cells, not 42
    }
    text_ = text;
    text_colour_ = text_colour;
    fill_ = fill;
    update();
    if (renamed && QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    if (reselected && QAccessible::isActive()) {
        QAccessible::State changed;
        changed.selected = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
}

void DayCell::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (fill_.isValid()) {
        painter.fillRect(rect(), fill_);
    }
    painter.setPen(text_colour_);
    painter.drawText(rect(), Qt::AlignCenter, text_);
}

void DayCell::mousePressEvent(QMouseEvent* event) {
    event->accept();  // the release comes here
}

void DayCell::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit Clicked();
    } else {
        event->ignore();
    }
}

}  // namespace tallimo
