#include "analysis/result_grid.h"

#include "ui/colour.h"

#include <QPainter>

#include "ui/qt_text.h"

namespace tandarel {

ResultGrid::ResultGrid(std::vector<int> columnWidths, QWidget* parent) : QWidget(parent), widths_(std::move(columnWidths)) {}

void ResultGrid::setRows(const GridRows& rows) {
    rows_.clear();
    for (const auto& row : rows) {
        std::vector<QString> texts;
        for (const auto& cell : row) texts.push_back(ui::toQ(cell));
        rows_.push_back(std::move(texts));
    }
    colours_.resize(rows_.size());
    update();
}

void ResultGrid::setValueColour(int row, const QColor& colour) {
    if (row < 0 || row >= rowCount()) return;
    colours_[static_cast<std::size_t>(row)] = colour;
    update();
}

QString ResultGrid::text(int row, int column) const {
    if (row < 0 || row >= rowCount()) return {};
    const auto& cells = rows_[static_cast<std::size_t>(row)];
    return column >= 0 && column < static_cast<int>(cells.size()) ? cells[static_cast<std::size_t>(column)] : QString();
}

QColor ResultGrid::valueColour(int row) const {
    return row >= 0 && row < rowCount() ? colours_[static_cast<std::size_t>(row)] : QColor();
}

void ResultGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor grey = palette().color(QPalette::Disabled, QPalette::WindowText);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::darkGray);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    int y = 1;
    for (int row = 0; row < rowCount(); ++row) {
        const bool banner = row == 0 || row == rowCount() - 1;  // header and total rows
        int x = 1;
        for (std::size_t column = 0; column < widths_.size(); ++column) {
            const QRect cell(x, y, widths_[column], kRowHeight);
            QColor background = Qt::white;
            if (banner)
                background = grey;
            else if (column > 0 && valueColour(row).isValid())
                background = valueColour(row);
            painter.fillRect(cell, background);
            painter.setPen(banner ? Qt::white : Qt::black);
            painter.drawText(cell.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                             text(row, static_cast<int>(column)));
            painter.setPen(ui::bgr(0xC0C0C0));  // the grid lines
            painter.drawLine(cell.right() + 1, y, cell.right() + 1, y + kRowHeight);
            x += widths_[column] + 1;
        }
        painter.drawLine(1, y + kRowHeight, x, y + kRowHeight);
        y += kRowHeight + 1;
    }
}

}  // namespace tandarel
