// The calculation grid as a Qt table model: four columns (operation, value,
// comment, hidden decimals), every line coloured by its kind. The grid's
// owner makes the model the grid's observer for as long as both live.
#pragma once

#include <QAbstractTableModel>

#include "grid/calc_grid.h"

namespace tallimo {

class CalcGridModel : public QAbstractTableModel, public GridObserver {
    Q_OBJECT

  public:
    static constexpr int kColumnCount = 4;
    // The line kind, for views and tests that read a row's kind.
    static constexpr int LineKindRole = Qt::UserRole + 1;

    explicit CalcGridModel(const CalcGrid& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // The columns' names, which screen readers announce (the view hides
    // its header).
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  signals:
    // A row was appended at the end (the new open row).
    void rowAppended(int row);

  private:
    // GridObserver
    void RowAboutToBeAppended(int row) override;
    void RowAppended(int row) override;
    void RowsAboutToBeRemoved(int first, int count) override;
    void RowsRemoved(int first, int count) override;
    void AboutToReset() override;
    void Reset() override;
    void RowChanged(int row) override;

    const CalcGrid& grid_;
};

}  // namespace tallimo
