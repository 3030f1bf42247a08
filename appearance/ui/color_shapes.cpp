#include "appearance/ui/color_shapes.h"

#include <QPainter>

#include "appearance/ui/system_colors.h"

namespace tallimo {

ColorShape::ColorShape(ColorValue fill, bool outlined, QWidget* parent)
    : QWidget(parent), fill_(fill), outlined_(outlined) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColorShape::SetFillColor(ColorValue fill) {
    fill_ = fill;
    update();
}

void ColorShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ResolveColor(fill_, palette()));
    if (outlined_) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

ColorLabel::ColorLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void ColorLabel::SetBackColor(std::optional<ColorValue> back) {
    back_ = back;
    update();
}

void ColorLabel::SetForeColor(ColorValue fore) {
    fore_ = fore;
    update();
}

void ColorLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (back_) {
        painter.fillRect(rect(), ResolveColor(*back_, palette()));
    }
    drawFrame(&painter);
    painter.setPen(ResolveColor(fore_, palette()));
    painter.setFont(font());
    const int m = margin();
    painter.drawText(contentsRect().adjusted(m, 0, -m, 0), static_cast<int>(alignment()), text());
}

}  // namespace tallimo
