#include "analysis/statistiques.h"

#include <QPainter>

#include "analysis/chart_painting.h"
#include "analysis/result_export.h"
#include "core/text_file.h"
#include "ui/colour.h"
#include "ui/file_errors.h"
#include "ui/half_day_boxes.h"
#include "ui/messages.h"
#include "ui/qt_text.h"

namespace tandarel {

Statistiques::Statistiques(ui::AppContext& context, QWidget* parent) : AnalysisWindow(context, parent, {130, 55, 45}) {
    weekBar_ = makeTitleBar(QStringLiteral(" Définition actuelle de la semaine "), QRect(5, 75, 236, 18), this);
    weekFrame_ = new QFrame(this);
    weekFrame_->setFrameShape(QFrame::Box);
    weekFrame_->setGeometry(5, 92, 236, 200);
    weekBoxes_ = ui::makeHalfDayBoxes(*weekFrame_);
    for (auto* box : weekBoxes_) {
        // They show semaine.pln; the week is defined elsewhere.
        box->setAttribute(Qt::WA_TransparentForMouseEvents);
        box->setFocusPolicy(Qt::NoFocus);
    }
    substitutesBox_ = new QGroupBox(QStringLiteral(" Remplaçants "), this);
    substitutesBox_->setGeometry(5, 298, 236, 40);
    substitutesLabel_ = new QLabel(substitutesBox_);
    substitutesLabel_->setGeometry(15, 18, 150, 17);
    substitutesValue_ = new QLineEdit(substitutesBox_);
    substitutesValue_->setGeometry(170, 15, 45, 21);
    substitutesValue_->setReadOnly(true);
    substitutesValue_->setFocusPolicy(Qt::NoFocus);
}

void Statistiques::activateAnalysis() {
    resultShown_ = false;
    pie_.clear();
    grid().setRows(initialReplacementGrid());
    for (std::size_t i = 0; i < kCategoryCount; ++i)
        grid().setValueColour(static_cast<int>(i) + 1, kCategories[i].inGrid ? ui::bgr(kCategories[i].colour) : QColor());
    int seed = 0;
    const auto personnels = context_.file(kSubstitutesFile);
    ui::reportingFileErrors(context_.messages, [&] {
        if (entryExists(personnels)) seed = substituteSeed(readTextLines(personnels).size());
    });
    substitutes_ = {seed, seed};
}

void Statistiques::analyse(const Period& period, const WeekFileList& files) {
    const auto analysis = analyseReplacements(files, period, substitutes_);
    substitutes_ = analysis.substitutes;
    showMessages(analysis.walk.messages);
    const auto percent = percentages(analysis.counts);
    grid().setRows(replacementGrid(analysis.counts, percent));
    showWorkingWeek();
    const auto line = substituteLine(substitutes_);
    substitutesLabel_->setText(ui::toQ(line.label));
    substitutesValue_->setText(ui::toQ(line.value));
    pie_ = pieSectors(percent);
    showWalk(analysis.walk);
    weekBar_->show();
    weekFrame_->show();
    substitutesBox_->show();
    offerExport(replacementReport(analysis, period), pieDrawing(pie_));
    resultShown_ = true;
    update();
}

void Statistiques::showWorkingWeek() {
    for (auto* box : weekBoxes_) box->setChecked(false);
    const auto file = context_.file(kWorkingWeekFile);
    if (!entryExists(file)) {
        context_.messages.inform(ui::toQ(kMissingWorkingWeekMessage));
        return;
    }
    // An unreadable working week is said; the counts of the week files are shown all the same.
    ui::reportingFileErrors(context_.messages, [&] {
        const auto worked = workedHalfDays(readFirstLine(file));
        for (std::size_t i = 0; i < worked.size(); ++i) weekBoxes_[i]->setChecked(worked[i]);
    });
}

void Statistiques::hideResults() {
    AnalysisWindow::hideResults();
    weekBar_->hide();
    weekFrame_->hide();
    substitutesBox_->hide();
}

void Statistiques::backgroundClicked() {
    hideEntryAndResults();
    if (!resultShown_) return;
    pie_.clear();
    update();
    // Only "Non" ends the result: after "Oui" the next click on the background asks again.
    if (!askAnotherAnalysis()) resultShown_ = false;
}

void Statistiques::paintEvent(QPaintEvent* event) {
    AnalysisWindow::paintEvent(event);
    if (pie_.empty()) return;
    QPainter painter(this);
    paintPie(painter, pie_);
}

}  // namespace tandarel
