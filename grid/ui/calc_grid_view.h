// The calculation grid on screen: the operation right-aligned, the value,
// the comment's picture, and the decimals kept in a hidden column; rows of a
// fixed height. In grid mode it asks its owner to open a line or to keep a
// line's value in a memory; with input off (calculator mode) it can only be
// scrolled, and disabled (a line being edited) it takes nothing at all.
#pragma once

#include <QTableView>

class QKeyEvent;

namespace tallimo {

class CalcGridView : public QTableView {
    Q_OBJECT

  public:
    explicit CalcGridView(QWidget* parent);

    // The model's four columns get their widths.
    void setModel(QAbstractItemModel* model) override;

    // The current row, or -1.
    int CurrentRow() const;

    // Off: no focus, no selection, no key; the wheel and the scroll bar
    // still scroll the lines.
    void SetInputEnabled(bool enabled);
    bool InputEnabled() const { return input_enabled_; }

  signals:
    // Enter, or a double click on a row (which the press made current).
    void OpenLineRequested(int row);
    // F1 to F5: memory 0 to 4.
    void StoreInMemoryRequested(int memory, int row);
    // G, the grid-mode key; with exactly Ctrl it belongs to the menus.
    void GridKeyPressed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;

  private:
    // The value and comment columns share the width that the operation
    // column leaves, so that no horizontal scroll bar is needed.
    void FitColumns();

    bool input_enabled_ = true;
};

}  // namespace tallimo
