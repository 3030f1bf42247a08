#include "grid/ui/calc_grid_view.h"

#include <QHeaderView>
#include <QKeyEvent>

#include "appearance/keypad_keys.h"

namespace tallimo {

CalcGridView::CalcGridView(QWidget* parent) : QTableView(parent) {
    setObjectName(QStringLiteral("flxCalc"));
    // The narrow operation column is made for a small sans font.
    QFont grid_font;
    grid_font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                           QStringLiteral("DejaVu Sans")});
    grid_font.setPointSizeF(8.25);
    setFont(grid_font);
    setTextElideMode(Qt::ElideNone);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    // Fixed row heights keep scrolling and appending independent of the
    // number of lines.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(TwipsToPixels(240));
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    setWordWrap(false);
}

void CalcGridView::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    setColumnWidth(0, TwipsToPixels(700));
    setColumnWidth(1, TwipsToPixels(2000));
    setColumnWidth(2, TwipsToPixels(500));
    setColumnHidden(3, true);
}

int CalcGridView::CurrentRow() const {
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

void CalcGridView::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool ctrl_only =
        (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) ==
        Qt::ControlModifier;
    if (key == Qt::Key_G && !ctrl_only) {
        emit GridKeyPressed();
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (CurrentRow() >= 0) {
            emit OpenLineRequested(CurrentRow());
        }
    } else if (key >= Qt::Key_F1 && key <= Qt::Key_F5) {
        if (CurrentRow() >= 0) {
            emit StoreInMemoryRequested(key - Qt::Key_F1, CurrentRow());
        }
    } else {
        QTableView::keyPressEvent(event);
    }
}

void CalcGridView::mouseDoubleClickEvent(QMouseEvent*) {
    if (CurrentRow() >= 0) {
        emit OpenLineRequested(CurrentRow());
    }
}

}  // namespace tallimo
