#include "converter/ui/kst_scroll_rgn.h"

#include <QEvent>
#include <QScrollBar>
#include <algorithm>

namespace tallimo {

KstScrollRgn::KstScrollRgn(QWidget* parent)
    : QAbstractScrollArea(parent), contents_(new QWidget(viewport())) {
    setFrameStyle(QFrame::NoFrame);
    // The contained controls take the focus, the region itself never does.
    setFocusPolicy(Qt::NoFocus);
    viewport()->setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    verticalScrollBar()->setSingleStep(1);
    // A page step beside the thumb moves by LargeScroll, while the bar's own
    // page step stays the visible height, which sizes the thumb.
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, &KstScrollRgn::OnBarAction);
    UpdateBar();
}

int KstScrollRgn::SmallScroll() const {
    return verticalScrollBar()->singleStep();
}

void KstScrollRgn::SetSmallScroll(int pixels) {
    verticalScrollBar()->setSingleStep(std::max(pixels, 1));
}

void KstScrollRgn::SetLargeScroll(int pixels) {
    large_scroll_ = std::max(pixels, 1);
}

void KstScrollRgn::SetBackgroundRole(QPalette::ColorRole role) {
    // The contents are transparent: painting their background too costs
    // more than it saves on scrolling.
    viewport()->setBackgroundRole(role);
}

void KstScrollRgn::SetSingleBorder(bool single) {
    setFrameStyle(single ? QFrame::StyledPanel | QFrame::Sunken : QFrame::NoFrame);
}

void KstScrollRgn::EnsureVisible(const QWidget* control) {
    if (control == nullptr || !contents_->isAncestorOf(control)) {
        return;
    }
    const QRect area = QRect(control->mapTo(contents_, QPoint(0, 0)), control->size());
    QScrollBar* bar = verticalScrollBar();
    const int value = bar->value();
    const int top = area.top() - value;
    const int bottom = area.top() + area.height() - value;
    const int inner = viewport()->height();
    // Whole page steps, as many as it takes; the bar's ends stop the count
    // for a control taller than the region or beyond the content.
    int steps = 0;
    if (top < 0) {
        steps = -((-top + large_scroll_ - 1) / large_scroll_);
    } else if (bottom > inner) {
        steps = (bottom - inner + large_scroll_ - 1) / large_scroll_;
    }
    if (steps != 0) {
        const long long target = value + static_cast<long long>(steps) * large_scroll_;
        bar->setValue(
            static_cast<int>(std::clamp<long long>(target, bar->minimum(), bar->maximum())));
    }
}

void KstScrollRgn::ResetBar(const QWidget* ensure_visible) {
    // The contained controls keep their positions in Contents(), so their
    // extent is read there at any scroll position, and the view stays where
    // it was.
    const QRect extent = contents_->childrenRect();
    content_height_ = extent.isEmpty() ? 0 : extent.top() + extent.height();
    UpdateBar();
    if (ensure_visible != nullptr) {
        EnsureVisible(ensure_visible);
    }
}

void KstScrollRgn::UpdateBar() {
    const QSize inner = viewport()->size();
    QScrollBar* bar = verticalScrollBar();
    bar->setPageStep(std::max(inner.height(), 1));
    // With no room over the visible height the range is empty and the bar,
    // shown as needed, goes away.
    bar->setRange(0, std::max(content_height_ - inner.height(), 0));
    contents_->setGeometry(0, -bar->value(), inner.width(), std::max(content_height_, 1));
}

void KstScrollRgn::OnBarAction(int action) {
    QScrollBar* bar = verticalScrollBar();
    const int value = bar->value();
    if (action == QAbstractSlider::SliderPageStepAdd) {
        bar->setSliderPosition(std::min(value + large_scroll_, bar->maximum()));
    } else if (action == QAbstractSlider::SliderPageStepSub) {
        bar->setSliderPosition(std::max(value - large_scroll_, bar->minimum()));
    }
}

void KstScrollRgn::scrollContentsBy(int, int) {
    contents_->move(0, -verticalScrollBar()->value());
}

bool KstScrollRgn::viewportEvent(QEvent* event) {
    const bool handled = QAbstractScrollArea::viewportEvent(event);
    if (event->type() == QEvent::Resize) {
        UpdateBar();
    }
    return handled;
}

}  // namespace tallimo
