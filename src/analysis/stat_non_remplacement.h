#pragma once

#include "analysis/analysis_window.h"
#include "analysis/non_replacement_analysis.h"

namespace tandarel {

// Absences left without replacement over a period: totals by motif and a stacked bar
// chart of the days.
class Stat_Non_Remplacement : public AnalysisWindow {
    Q_OBJECT
public:
    Stat_Non_Remplacement(ui::AppContext& context, QWidget* parent);

    const BarChart& chart() const { return chart_; }

protected:
    void activateAnalysis() override;
    void analyse(const Period& period, const WeekFileList& files) override;
    void backgroundClicked() override;
    void paintEvent(QPaintEvent* event) override;

private:
    BarChart chart_;
};

}  // namespace tandarel
