#pragma once

#include <QPainter>
#include <QRect>
#include <functional>
#include <vector>

#include "analysis/non_replacement_analysis.h"
#include "analysis/replacement_analysis.h"

namespace tandarel {

// The charts of the analyses, drawn in window pixels: on the window and, scaled, into
// an exported document, so that both show the same chart.
void paintPie(QPainter& painter, const std::vector<PieSector>& sectors);
void paintBarChart(QPainter& painter, const BarChart& chart);

// A chart to draw elsewhere: what it covers of the window, and how to draw it there.
struct ChartDrawing {
    QRect area;  // empty: no chart
    std::function<void(QPainter&)> paint;
};
ChartDrawing pieDrawing(std::vector<PieSector> sectors);
ChartDrawing barChartDrawing(BarChart chart);

}  // namespace tandarel
