#pragma once

#include <QPainter>
#include <QWidget>
#include <vector>

#include "analysis/bilan_report.h"

namespace tandarel {

// One bar of a bilan's chart: the row's label, its Total in quarter-days and as shown.
struct BilanBar {
    QString label;
    long quarterDays = 0;
    QString text;
};
// The top rows by Total of the reports that have a chart (bilanChartRows), none otherwise.
std::vector<BilanBar> bilanBars(const BilanReport& report);

// Horizontal bars, labels on the left and values at their ends, filling `area`; the
// window and the documents draw it the same way.
void paintBilanBars(QPainter& painter, const QRectF& area, const std::vector<BilanBar>& bars);

class BilanChart : public QWidget {
    Q_OBJECT
public:
    explicit BilanChart(QWidget* parent) : QWidget(parent) {}
    void setBars(std::vector<BilanBar> bars);
    const std::vector<BilanBar>& bars() const { return bars_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<BilanBar> bars_;
};

}  // namespace tandarel
