#include "planning/week_grid_model.h"

#include "planning/cell_colours.h"
#include "planning/entry_rules.h"
#include "ui/colour.h"
#include "ui/qt_text.h"
#include "ui/text_guard.h"

namespace tandarel {

WeekGridModel::WeekGridModel(PlanningWeek& week, QObject* parent) : QAbstractTableModel(parent), week_(week) {}

int WeekGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : grid().rowCount(); }

int WeekGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid().columnCount();
}

QVariant WeekGridModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return ui::toQ(grid().cell(index.row(), index.column()));
        case Qt::BackgroundRole:
            return ui::bgr(cellColour(grid(), index.row(), index.column()));
        case Qt::ForegroundRole:
            return QColor(Qt::black);
        default:
            return {};
    }
}

bool WeekGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid)) return false;
    if (!(flags(index) & Qt::ItemIsEditable)) return false;
    const QString text = value.toString();
    if (ui::refusalOf(text)) return false;  // the editor has already told the user
    std::string before = week_.grid().cell(index.row(), index.column());
    week_.grid().setCell(index.row(), index.column(), ui::fromQ(text));
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole, Qt::BackgroundRole});
    if (before != week_.grid().cell(index.row(), index.column())) emit cellTyped(index.row(), index.column(), before);
    return true;
}

Qt::ItemFlags WeekGridModel::flags(const QModelIndex& index) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return Qt::NoItemFlags;
    if (!isDayCell(grid(), index.row(), index.column())) return Qt::ItemIsEnabled;
    // Counts change through "+" and "-" only; a read-only week is looked at, not typed in.
    if (week_.readOnly() || grid().isNonReplacementRow(index.row())) return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

void WeekGridModel::cellsChanged() {
    if (rowCount() == 0 || columnCount() == 0) return;
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

}  // namespace tandarel
