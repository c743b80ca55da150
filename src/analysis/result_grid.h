#pragma once

#include <QColor>
#include <QWidget>
#include <vector>

#include "analysis/replacement_analysis.h"

namespace tandarel {

// The result grid of both analyses: a read-only grid of texts whose header and total
// rows are drawn in white on the system's grey-text colour, and whose value cells may
// carry their category's colour. Texts start 2 pixels from their cell's top-left corner.
class ResultGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 24;  // plus a 1-pixel grid line

    ResultGrid(std::vector<int> columnWidths, QWidget* parent);

    void setRows(const GridRows& rows);
    // Background of the value cells (columns 1...) of `row`; invalid colour for white.
    void setValueColour(int row, const QColor& colour);

    int rowCount() const { return static_cast<int>(rows_.size()); }
    const std::vector<int>& columnWidths() const { return widths_; }
    QString text(int row, int column) const;
    QColor valueColour(int row) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<int> widths_;
    std::vector<std::vector<QString>> rows_;
    std::vector<QColor> colours_;
};

}  // namespace tandarel
