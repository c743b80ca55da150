#include "analysis/chart_painting.h"

#include "ui/colour.h"

namespace tandarel {
namespace {
QRect toQRect(const Rect& r) { return QRect(r.x, r.y, r.width, r.height); }
}  // namespace

void paintPie(QPainter& painter, const std::vector<PieSector>& sectors) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QRectF disc(kPieCentreX - kPieRadius, kPieCentreY - kPieRadius, 2 * kPieRadius, 2 * kPieRadius);
    // Angles grow clockwise on the screen; Qt's grow counter-clockwise, in 1/16 degree.
    for (const auto& sector : sectors) {
        painter.setBrush(ui::bgr(sector.colour));
        if (sector.spanDegrees >= 360)
            painter.drawEllipse(disc);
        else
            painter.drawPie(disc, -sector.startDegrees * 16, -sector.spanDegrees * 16);
    }
    painter.restore();
}

void paintBarChart(QPainter& painter, const BarChart& chart) {
    painter.save();
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(toQRect(chart.frame));
    for (const auto& bar : chart.bars) {
        painter.fillRect(toQRect(bar.line), Qt::black);
        for (const auto& segment : bar.segments) painter.fillRect(toQRect(segment.rect), ui::bgr(segment.colour));
    }
    painter.restore();
}

ChartDrawing pieDrawing(std::vector<PieSector> sectors) {
    if (sectors.empty()) return {};
    const QRect area(kPieCentreX - kPieRadius, kPieCentreY - kPieRadius, 2 * kPieRadius + 1, 2 * kPieRadius + 1);
    return {area, [sectors = std::move(sectors)](QPainter& painter) { paintPie(painter, sectors); }};
}

ChartDrawing barChartDrawing(BarChart chart) {
    if (chart.empty()) return {};
    const QRect area = toQRect(chart.frame).adjusted(0, 0, 1, 1);  // the frame's pen lies on its right and bottom edges
    return {area, [chart = std::move(chart)](QPainter& painter) { paintBarChart(painter, chart); }};
}

}  // namespace tandarel
