#include "grid/ui/calc_grid_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <algorithm>

#include "appearance/keypad_keys.h"
#include "platform/shell_basics.h"

namespace tallimo {

CalcGridView::CalcGridView(QWidget* parent) : QTableView(parent) {
    setObjectName(QStringLiteral("flxCalc"));
    setAccessibleName(QStringLiteral("Grille de calculs"));
    // The narrow operation column is made for a small sans font.
    setFont(WindowFont(8.25));
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
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void CalcGridView::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    setColumnHidden(3, true);
    FitColumns();
}

void CalcGridView::FitColumns() {
    if (model() == nullptr) {
        return;
    }
    const int operation = TwipsToPixels(700);
    const int value = TwipsToPixels(2000);
    const int comment = TwipsToPixels(500);
    const int extra = viewport()->width() - operation - value - comment;
    setColumnWidth(0, operation);
    if (extra >= 0) {
        setColumnWidth(1, value + extra / 2);
        setColumnWidth(2, comment + extra - extra / 2);
    } else {
        // The designed widths are a little wider than the grid once its
        // vertical bar shows: the value column gives up the difference.
        setColumnWidth(1, std::max(value + extra, TwipsToPixels(1200)));
        setColumnWidth(2, comment);
    }
}

bool CalcGridView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Resize) {
        FitColumns();
    }
    return QTableView::viewportEvent(event);
}

void CalcGridView::SetInputEnabled(bool enabled) {
    input_enabled_ = enabled;
    setFocusPolicy(enabled ? Qt::StrongFocus : Qt::NoFocus);
    if (!enabled && hasFocus()) {
        clearFocus();
    }
}

int CalcGridView::CurrentRow() const {
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

void CalcGridView::keyPressEvent(QKeyEvent* event) {
    if (!input_enabled_) {
        event->ignore();
        return;
    }
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

void CalcGridView::mousePressEvent(QMouseEvent* event) {
    if (input_enabled_) {
        QTableView::mousePressEvent(event);
    }
}

void CalcGridView::mouseMoveEvent(QMouseEvent* event) {
    if (input_enabled_) {
        QTableView::mouseMoveEvent(event);
    }
}

void CalcGridView::mouseReleaseEvent(QMouseEvent* event) {
    if (input_enabled_) {
        QTableView::mouseReleaseEvent(event);
    }
}

void CalcGridView::mouseDoubleClickEvent(QMouseEvent*) {
    if (input_enabled_ && CurrentRow() >= 0) {
        emit OpenLineRequested(CurrentRow());
    }
}

}  // namespace tallimo
