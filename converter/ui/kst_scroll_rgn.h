// A scrolled container: its owner places controls in Contents() at fixed
// positions, and the region shows a vertical scroll bar when they are taller
// than what it can show. Line and page steps are the owner's; the page step
// is also what EnsureVisible moves by.
#pragma once

#include <QAbstractScrollArea>
#include <QPalette>

namespace tallimo {

class KstScrollRgn : public QAbstractScrollArea {
    Q_OBJECT

  public:
    // No border, the palette's window colour, line step 1 pixel, page step
    // 7 pixels, until told otherwise.
    explicit KstScrollRgn(QWidget* parent = nullptr);

    // The parent of the contained controls, which the region moves as a
    // whole when it scrolls. Positions in it never change with scrolling.
    QWidget* Contents() const { return contents_; }

    // Distances, in pixels, of a line step (the bar's arrows) and of a page
    // step (a click beside the thumb, Page Up and Down, EnsureVisible).
    int SmallScroll() const;
    void SetSmallScroll(int pixels);
    int LargeScroll() const { return large_scroll_; }
    void SetLargeScroll(int pixels);

    // The colour of the region's background, from the palette.
    void SetBackgroundRole(QPalette::ColorRole role);

    // A single border, or none.
    void SetSingleBorder(bool single);

    // Scrolls by whole page steps until the contained control is inside the
    // visible area: up when it lies above, down when its bottom lies below,
    // never past either end.
    void EnsureVisible(const QWidget* control);

    // Takes the extent of the contained controls again (after controls were
    // added or moved), shows the bar when they do not fit, hides it when they
    // do, then makes `ensure_visible` visible when one is given.
    void ResetBar(const QWidget* ensure_visible = nullptr);

    // The height of the contained controls as last taken by ResetBar.
    int ContentHeight() const { return content_height_; }

  protected:
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* event) override;

  private:
    void UpdateBar();
    void OnBarAction(int action);

    QWidget* contents_;
    int content_height_ = 0;
    int large_scroll_ = 7;
};

}  // namespace tallimo
