#include "analysis/analysis_window.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMouseEvent>

#include "analysis/result_pdf.h"
#include "core/atomic_file.h"
#include "ui/colour.h"
#include "ui/file_errors.h"
#include "ui/messages.h"
#include "ui/qt_path.h"
#include "ui/qt_text.h"
#include "ui/screen.h"
#include "ui/window_frame.h"

namespace tandarel {
namespace {

const QString kCsvFilter = QStringLiteral("Tableur CSV (*.csv)");
const QString kPdfFilter = QStringLiteral("Document PDF (*.pdf)");

QString askExportPath(QWidget* parent, const QString& suggestedPath) {
    QFileDialog dialog(parent, QStringLiteral("Exporter le résultat de l'analyse"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({kCsvFilter, kPdfFilter});
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.selectFile(suggestedPath);
    // The name follows the chosen kind of file, which its extension decides.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        const QString suffix = filter == kPdfFilter ? QStringLiteral("pdf") : QStringLiteral("csv");
        dialog.setDefaultSuffix(suffix);
        const auto chosen = dialog.selectedFiles();
        if (!chosen.isEmpty()) dialog.selectFile(QFileInfo(chosen.front()).completeBaseName() + '.' + suffix);
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

}  // namespace

AnalysisWindow::AnalysisWindow(ui::AppContext& context, QWidget* parent, std::vector<int> gridColumns)
    : ui::ModalWindow(context, parent), askSavePath_([this](const QString& suggested) {
          return askExportPath(this, suggested);
      }) {
    setAutoFillBackground(true);
    auto colours = palette();
    colours.setColor(QPalette::Window, ui::bgr(kWindowColour));
    setPalette(colours);

    dialogue_ = new PeriodDialogue(context.messages, context.clock, this);
    dialogue_->setGeometry(0, 0, kWidth, kHeight);

    rangeFrame_ = new QGroupBox(ui::toQ(kRangeCaption), this);
    rangeFrame_->setGeometry(295, 5, 470, 65);
    auto* startLabel = new QLabel(QStringLiteral(" Date de début "), rangeFrame_);
    startLabel->setGeometry(5, 28, 80, 20);
    rangeStart_ = new QLineEdit(rangeFrame_);
    rangeStart_->setGeometry(87, 26, 150, 24);
    auto* endLabel = new QLabel(QStringLiteral(" Date de fin "), rangeFrame_);
    endLabel->setGeometry(240, 28, 68, 20);
    rangeEnd_ = new QLineEdit(rangeFrame_);
    rangeEnd_->setGeometry(310, 26, 150, 24);
    for (auto* field : {rangeStart_, rangeEnd_}) {
        field->setReadOnly(true);
        field->setFocusPolicy(Qt::NoFocus);
    }

    files_ = std::make_unique<TitledList>(ui::toQ(kFilesListCaption), 340, 75, 160, 123, this);
    days_ = std::make_unique<TitledList>(ui::toQ(kDaysListCaption), 605, 75, 160, 475, this);
    gridBar_ = makeTitleBar(ui::toQ(kResultGridCaption), QRect(5, 344, 236, 18), this);
    grid_ = new ResultGrid(std::move(gridColumns), this);
    grid_->setGeometry(5, 364, 236, 203);
    // Top left, left of the retained range: while a result is shown the mode choice and the
    // entry frames are hidden, so it covers nothing of either window, and it stays well inside
    // the window under any frame (the bottom of the given layout reaches the frame's edge).
    exporter_ = new QPushButton(QStringLiteral("Exporter…"), this);
    exporter_->setGeometry(5, 40, 140, 26);
    exporter_->setAutoDefault(false);  // Entrée in the window exports nothing
    connect(exporter_, &QPushButton::clicked, this, &AnalysisWindow::exportResult);

    dialogue_->lower();  // its bare area is the window's background
    connect(dialogue_, &PeriodDialogue::modeChosen, this, [this] {
        rangeStart_->clear();
        rangeEnd_->clear();
    });
    connect(dialogue_, &PeriodDialogue::periodAccepted, this, &AnalysisWindow::onPeriodAccepted);
    connect(dialogue_, &PeriodDialogue::quitRequested, this, &QWidget::close);
}

void AnalysisWindow::FormActivate() {
    setWindowTitle(QStringLiteral("Tandarel - Analyse     -     "));
    const auto screen = ui::screenSize();
    ui::placeFrame(*this, QRect(centredOrigin(screen.width(), kWidth), centredOrigin(screen.height(), kHeight),
                                kWidth, kHeight));
    dialogue_->reset();
    hideResults();
    rangeStart_->clear();
    rangeEnd_->clear();
    activateAnalysis();
}

void AnalysisWindow::hideResults() {
    rangeFrame_->hide();
    files_->setVisible(false);
    days_->setVisible(false);
    gridBar_->hide();
    grid_->hide();
    exporter_->hide();
    report_.reset();
    chart_ = {};
}

void AnalysisWindow::hideEntryAndResults() {
    dialogue_->hideEntry();
    hideResults();
}

void AnalysisWindow::showMessages(const std::vector<std::string>& messages) {
    for (const auto& message : messages) context_.messages.inform(ui::toQ(message));
}

void AnalysisWindow::showWalk(const PeriodWalk& walk) {
    rangeStart_->setText(ui::toQ(walk.rangeStart));
    rangeEnd_->setText(ui::toQ(walk.rangeEnd));
    files_->setEntries(walk.files);
    days_->setEntries(walk.days);
    rangeFrame_->show();
    files_->setVisible(true);
    days_->setVisible(true);
    gridBar_->show();
    grid_->show();
}

void AnalysisWindow::offerExport(ResultReport report, ChartDrawing chart) {
    report_ = std::move(report);
    chart_ = std::move(chart);
    exporter_->show();
}

void AnalysisWindow::exportResult() {
    if (!report_) return;
    const QString chosen = askSavePath_(ui::suggestedPath(context_.dataFolder, ui::toQ(report_->fileStem + ".csv")));
    if (chosen.isEmpty()) return;
    const auto file = ui::pathFromQ(chosen);
    ui::reportingFileErrors(context_.messages, [&] {
        if (!chosen.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
            replaceFileAtomically(file, resultCsv(*report_));
            return;
        }
        writePdfFile(file, resultPdf(*report_, chart_, grid_->columnWidths()));
    });
}

bool AnalysisWindow::askAnotherAnalysis() {
    const bool again =
        context_.messages.ask(ui::toQ(kAnotherAnalysisCaption), ui::toQ(kAnotherAnalysisQuestion));
    if (again)
        dialogue_->showModeChoice();
    else
        close();
    return again;
}

void AnalysisWindow::onPeriodAccepted(const Period& period) {
    const auto files = collectWeekFiles(context_.dataFolder, period.start, period.end);
    if (files.empty()) {
        context_.messages.inform(ui::toQ(noWeekFileMessage(period.mode)));
        dialogue_->abandonEntry(period.mode);
        askAnotherAnalysis();
        return;
    }
    // A week file that cannot be read stops the analysis, once what the files before it
    // said has been shown; the user may start another.
    const bool done = ui::reportingFileErrors(context_.messages, [&] {
        try {
            analyse(period, files);
        } catch (const UnreadableWeekFile& failure) {
            showMessages(failure.messagesBefore());
            throw;
        }
    });
    if (!done) {
        hideResults();
        askAnotherAnalysis();
    }
}

void AnalysisWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    QWidget* under = childAt(event->position().toPoint());
    if (under != nullptr && under != dialogue_) return;
    event->accept();
    backgroundClicked();
}

}  // namespace tandarel
