#pragma once

#include <QTableWidget>
#include <QWidget>

#include "analysis/bilan_report.h"

namespace tandarel {

// A bilan's rows in a grid sorted by a click on a column header (values as numbers, the
// first column by its key's bytes), and its "Totaux" in a one-line grid under it that
// no sort moves.
class BilanTable : public QWidget {
    Q_OBJECT
public:
    explicit BilanTable(QWidget* parent);

    void setReport(const BilanReport& report);
    QTableWidget& rows() { return *rows_; }
    QTableWidget& totals() { return *totals_; }
    // The report's index of the row shown at `visualRow`.
    int reportRow(int visualRow) const;

signals:
    void rowActivated(int reportRow);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeGrids();
    void matchColumns();

    QTableWidget* rows_;
    QTableWidget* totals_;
};

}  // namespace tandarel
