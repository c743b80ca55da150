#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <memory>
#include <optional>

#include "analysis/analysis_lists.h"
#include "analysis/chart_painting.h"
#include "analysis/period_dialogue.h"
#include "analysis/result_export.h"
#include "analysis/result_grid.h"
#include "analysis/week_collection.h"
#include "ui/modal_window.h"

namespace tandarel {

// What both analysis windows share: the period dialogue, the collection of the week
// files, the retained range, the two lists, the result grid, the export of a result
// and the end of a run.
class AnalysisWindow : public ui::ModalWindow {
    Q_OBJECT
public:
    static constexpr int kWidth = 777;
    static constexpr int kHeight = 600;
    static constexpr std::uint32_t kWindowColour = 0xE5E5E5;

    AnalysisWindow(ui::AppContext& context, QWidget* parent, std::vector<int> gridColumns);

    PeriodDialogue& dialogue() { return *dialogue_; }
    QLineEdit& rangeStart() { return *rangeStart_; }
    QLineEdit& rangeEnd() { return *rangeEnd_; }
    TitledList& files() { return *files_; }
    TitledList& days() { return *days_; }
    ResultGrid& grid() { return *grid_; }
    QLabel& gridBar() { return *gridBar_; }
    QPushButton& exporter() { return *exporter_; }

    // Asks where to export the result, from the suggested path; empty when the planner
    // gives up. A name ending in ".pdf" makes a PDF document, any other a CSV file.
    using SaveDialog = std::function<QString(const QString& suggestedPath)>;
    void setSaveDialog(SaveDialog dialog) { askSavePath_ = std::move(dialog); }

protected:
    void FormActivate() override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    // The window's own part of the activation, of the analysis and of the end of a run.
    virtual void activateAnalysis() = 0;
    virtual void analyse(const Period& period, const WeekFileList& files) = 0;
    virtual void backgroundClicked() = 0;
    virtual void hideResults();

    // "Souhaitez-vous une autre analyse ?": yes brings the mode choice back, no closes.
    // Returns the answer.
    bool askAnotherAnalysis();
    // The messages met in the files, each in its own box, in their order.
    void showMessages(const std::vector<std::string>& messages);
    void showWalk(const PeriodWalk& walk);
    void hideEntryAndResults();
    // The result on screen can be exported, until the results are hidden.
    void offerExport(ResultReport report, ChartDrawing chart);

private:
    void onPeriodAccepted(const Period& period);
    void exportResult();

    PeriodDialogue* dialogue_;
    QGroupBox* rangeFrame_;
    QLineEdit* rangeStart_;
    QLineEdit* rangeEnd_;
    std::unique_ptr<TitledList> files_;
    std::unique_ptr<TitledList> days_;
    QLabel* gridBar_;
    ResultGrid* grid_;
    QPushButton* exporter_;
    SaveDialog askSavePath_;
    std::optional<ResultReport> report_;
    ChartDrawing chart_;
};

}  // namespace tandarel
