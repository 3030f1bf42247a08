#include "grid/ui/calc_grid_model.h"

#include <QApplication>
#include <QPalette>

#include "appearance/line_colors.h"
#include "appearance/ui/system_colors.h"
#include "grid/ui/comment_picture.h"
#include "platform/shell_basics.h"

namespace tallimo {

CalcGridModel::CalcGridModel(const CalcGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid) {}

int CalcGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.RowCount();
}

int CalcGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CalcGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount ||
        (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    static const char* const kNames[kColumnCount] = {"Opération", "Valeur", "Commentaire",
                                                     "Décimales"};
    return QString::fromUtf8(kNames[section]);
}

QVariant CalcGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= grid_.RowCount()) {
        return {};
    }
    const PackedLine& line = grid_.Line(index.row());
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole: {
            if (column == 1) {
                return QString::fromStdString(line.Value());
            }
            const std::string_view text = column == 0   ? line.Operation()
                                          : column == 2 ? line.Comment()
                                                        : line.Decimals();
            return Utf8(text);
        }
        case Qt::TextAlignmentRole:
            if (column == 0) {
                return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
            }
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        case Qt::BackgroundRole:
            if (column <= 1) {
                if (const auto back = LineBackColor(line.Kind())) {
                    return ResolveColor(*back);
                }
            }
            // Ordinary cells keep the grid's cell background, so that the
            // area no cell covers can take a colour of its own.
            return QApplication::palette().color(QPalette::Base);
        case Qt::ForegroundRole:
            if (column == 1) {
                if (const auto fore = LineValueForeColor(line.Kind())) {
                    return ResolveColor(*fore);
                }
            }
            return {};
        case Qt::DecorationRole:
            if (column == 2 && line.HasComment()) {
                return CommentPicture();
            }
            return {};
        case Qt::ToolTipRole:
            if (column == 2 && line.HasComment()) {
                return Utf8(line.Comment()).trimmed();
            }
            return {};
        case LineKindRole:
            return static_cast<int>(line.Kind());
        default:
            return {};
    }
}

void CalcGridModel::RowAboutToBeAppended(int row) {
    beginInsertRows({}, row, row);
}

void CalcGridModel::RowAppended(int row) {
    endInsertRows();
    emit rowAppended(row);
}

void CalcGridModel::RowsAboutToBeRemoved(int first, int count) {
    beginRemoveRows({}, first, first + count - 1);
}

void CalcGridModel::RowsRemoved(int, int) {
    endRemoveRows();
}

void CalcGridModel::AboutToReset() {
    beginResetModel();
}

void CalcGridModel::Reset() {
    endResetModel();
}

void CalcGridModel::RowChanged(int row) {
    emit dataChanged(index(row, 0), index(row, kColumnCount - 1));
}

}  // namespace tallimo
