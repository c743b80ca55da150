#pragma once

#include <QCheckBox>
#include <array>
#include <vector>

#include "analysis/analysis_window.h"
#include "analysis/replacement_analysis.h"

namespace tandarel {

// Replacements by motif over a period: days and percentages, pie chart, working week
// and number of substitutes.
class Statistiques : public AnalysisWindow {
    Q_OBJECT
public:
    Statistiques(ui::AppContext& context, QWidget* parent);

    QCheckBox& weekBox(int slot) { return *weekBoxes_[static_cast<std::size_t>(slot)]; }
    QLabel& substitutesLabel() { return *substitutesLabel_; }
    QLineEdit& substitutesValue() { return *substitutesValue_; }
    const std::vector<PieSector>& pie() const { return pie_; }
    bool resultShown() const { return resultShown_; }

protected:
    void activateAnalysis() override;
    void analyse(const Period& period, const WeekFileList& files) override;
    void backgroundClicked() override;
    void hideResults() override;
    void paintEvent(QPaintEvent* event) override;

private:
    void showWorkingWeek();

    QLabel* weekBar_ = nullptr;
    QFrame* weekFrame_ = nullptr;
    std::array<QCheckBox*, 12> weekBoxes_{};
    QGroupBox* substitutesBox_ = nullptr;
    QLabel* substitutesLabel_ = nullptr;
    QLineEdit* substitutesValue_ = nullptr;

    SubstituteRange substitutes_;  // kept from one run to the next while the window is open
    std::vector<PieSector> pie_;
    bool resultShown_ = false;
};

}  // namespace tandarel
