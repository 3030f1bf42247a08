#include "platform/dialog_centring.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace tallimo {

std::optional<QPoint> CentredPosition(const QRect& owner, const QSize& dialog,
                                      const QRect& screen) {
    if (owner.width() <= 0 || owner.height() <= 0) {
        return std::nullopt;
    }
    // Negative coordinates are kept for a screen left of or above the
    // first one.
    return QPoint(std::max(owner.left() + (owner.width() - dialog.width()) / 2, screen.left()),
                  std::max(owner.top() + (owner.height() - dialog.height()) / 2, screen.top()));
}

void CentreOnOwner(QWidget& dialog, const QWidget* owner) {
    if (owner == nullptr) {
        owner = QApplication::activeWindow();
    }
    if (owner == nullptr) {
        return;
    }
    owner = owner->window();
    const QScreen* screen = owner->screen();
    const QRect bounds = screen != nullptr ? screen->availableGeometry() : QRect();
    // A dialog not shown yet has no frame; it will get one like its owner's.
    const QSize frame = dialog.isVisible() ? dialog.frameGeometry().size()
                                           : dialog.size() + owner->frameGeometry().size() -
                                                 owner->geometry().size();
    if (const auto position = CentredPosition(owner->frameGeometry(), frame, bounds)) {
        dialog.move(*position);
    }
}

}  // namespace tallimo
