#include "app/status_panel.h"

#include <QPainter>
#include <QStyle>

namespace tallimo {

StatusPanel::StatusPanel(QWidget* parent) : QLabel(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setMargin(1);
}

void StatusPanel::SetFullText(const QString& text) {
    if (text == this->text()) {
        return;
    }
    setText(text);
    setToolTip(text);
    setAccessibleName(text);
    update();
}

QString StatusPanel::ShownText() const {
    const int width = contentsRect().width() - 2 * margin();
    return fontMetrics().elidedText(text(), Qt::ElideRight, width);
}

QSize StatusPanel::minimumSizeHint() const {
    const QSize hint = QLabel::minimumSizeHint();
    const int ellipsis = fontMetrics().horizontalAdvance(QStringLiteral("M…"));
    return {ellipsis + 2 * (frameWidth() + margin()), hint.height()};
}

void StatusPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, area, Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(),
                          ShownText(), foregroundRole());
}

}  // namespace tallimo
