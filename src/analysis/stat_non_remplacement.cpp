#include "analysis/stat_non_remplacement.h"

#include <QPainter>

#include "analysis/chart_painting.h"
#include "analysis/result_export.h"
#include "ui/colour.h"
#include "ui/messages.h"
#include "ui/qt_text.h"

namespace tandarel {
Stat_Non_Remplacement::Stat_Non_Remplacement(ui::AppContext& context, QWidget* parent)
    : AnalysisWindow(context, parent, {130, 55}) {
    // The bar chart rises from the bottom left: every list and grid stays above it.
    gridBar().setGeometry(5, 75, 189, 18);
    grid().setGeometry(5, 92, 189, 153);
    days().place(605, 75, 160, 170);
}

void Stat_Non_Remplacement::activateAnalysis() {
    chart_ = {};
    grid().setRows(initialNonReplacementGrid());
    for (std::size_t i = 0; i < kMotifCount; ++i) grid().setValueColour(static_cast<int>(i) + 1, ui::bgr(kMotifs[i].colour));
}

void Stat_Non_Remplacement::analyse(const Period& period, const WeekFileList& files) {
    const auto analysis = analyseNonReplacements(files, period);
    showMessages(analysis.walk.messages);
    chart_ = barChart(analysis.days);
    if (chart_.empty()) context_.messages.inform(ui::toQ(kNothingMissedMessage));
    grid().setRows(nonReplacementGrid(analysis));
    showWalk(analysis.walk);
    offerExport(nonReplacementReport(analysis, period), barChartDrawing(chart_));
    update();
}

void Stat_Non_Remplacement::backgroundClicked() {
    hideEntryAndResults();
    chart_ = {};
    update();
    askAnotherAnalysis();
}

void Stat_Non_Remplacement::paintEvent(QPaintEvent* event) {
    AnalysisWindow::paintEvent(event);
    if (chart_.empty()) return;
    QPainter painter(this);
    paintBarChart(painter, chart_);
}

}  // namespace tandarel
