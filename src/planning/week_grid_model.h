#pragma once

#include <QAbstractTableModel>

#include "planning/planning_week.h"

namespace tandarel {

// The planning grid as a Qt table: it reads and writes the week's own grid, so the
// window, the rules and the file always see the same cells.
class WeekGridModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    WeekGridModel(PlanningWeek& week, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // After a rule changed cells in place (same shape).
    void cellsChanged();
    // Around a change of week (new shape): the views start again from the new grid.
    template <typename Change>
    void replaceWeek(Change&& change) {
        beginResetModel();
        try {
            change();
        } catch (...) {
            endResetModel();
            throw;
        }
        endResetModel();
    }

signals:
    // The planner typed in a cell; `before` is its text before the key.
    void cellTyped(int row, int column, const std::string& before);

private:
    const WeekGrid& grid() const { return week_.grid(); }
    PlanningWeek& week_;
};

}  // namespace tandarel
