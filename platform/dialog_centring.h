// Dialogs open centred on the window that owns them.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

class QWidget;

namespace tallimo {

// The top-left corner of a dialog of `dialog` size centred on `owner`, kept
// from going left of or above `screen` (the owner's screen); nothing when the
// owner has no area.
std::optional<QPoint> CentredPosition(const QRect& owner, const QSize& dialog, const QRect& screen);

// Moves the dialog, at its current size, to the centre of `owner`, or of the
// active window when there is no owner; leaves it where it is when there is
// neither.
void CentreOnOwner(QWidget& dialog, const QWidget* owner);

}  // namespace tallimo
