#include "analysis/bilans_chart.h"

#include <algorithm>

#include "analysis/bilan_export.h"
#include "ui/colour.h"
#include "ui/qt_text.h"

namespace tandarel {

std::vector<BilanBar> bilanBars(const BilanReport& report) {
    std::vector<BilanBar> bars;
    for (const BilanRow* row : bilanChartRows(report))
        bars.push_back({ui::toQ(row->label), row->quarterDays.back(), ui::toQ(row->texts.back())});
    return bars;
}

void paintBilanBars(QPainter& painter, const QRectF& area, const std::vector<BilanBar>& bars) {
    painter.save();
    painter.fillRect(area, Qt::white);
    painter.setPen(QPen(Qt::gray, 0));
    painter.drawRect(area);
    if (bars.empty()) {
        painter.restore();
        return;
    }
    // Rows of a fixed height whatever the number of bars, so that few bars stay slim.
    const double rowHeight = area.height() / static_cast<double>(kBilanChartRows);
    QFont font = painter.font();
    font.setPixelSize(std::max(1, static_cast<int>(rowHeight * 0.45)));
    painter.setFont(font);
    const double pad = rowHeight * 0.15;
    long largest = 1;
    double valueWidth = 0;
    for (const auto& bar : bars) {
        largest = std::max(largest, bar.quarterDays);
        valueWidth = std::max(valueWidth, painter.fontMetrics().horizontalAdvance(bar.text) + 2 * pad);
    }
    const double labelWidth = area.width() * 0.42;
    const double barsLeft = area.left() + labelWidth;
    const double barsWidth = area.width() - labelWidth - valueWidth;
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const double top = area.top() + rowHeight * static_cast<double>(i);
        const QRectF labelBox(area.left() + pad, top, labelWidth - 2 * pad, rowHeight);
        painter.setPen(Qt::black);
        painter.drawText(labelBox, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                         painter.fontMetrics().elidedText(bars[i].label, Qt::ElideRight, qRound(labelBox.width())));
        const double length = barsWidth * static_cast<double>(bars[i].quarterDays) / static_cast<double>(largest);
        const QRectF barBox(barsLeft, top + pad, length, rowHeight - 2 * pad);
        painter.fillRect(barBox, ui::bgr(0xC08040));
        painter.drawText(QRectF(barBox.right() + pad, top, valueWidth + barsWidth - length, rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, bars[i].text);
    }
    painter.restore();
}

void BilanChart::setBars(std::vector<BilanBar> bars) {
    bars_ = std::move(bars);
    update();
}

void BilanChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintBilanBars(painter, QRectF(rect()).adjusted(0, 0, -1, -1), bars_);
}

}  // namespace tandarel
