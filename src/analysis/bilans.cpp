#include "analysis/bilans.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QPrintDialog>

#include "analysis/analysis_lists.h"
#include "analysis/bilan_comparison.h"
#include "analysis/bilan_export.h"
#include "analysis/bilans_document.h"
#include "analysis/result_pdf.h"
#include "analysis/week_table.h"
#include "core/atomic_file.h"
#include "ui/clock.h"
#include "ui/file_errors.h"
#include "ui/messages.h"
#include "ui/qt_path.h"
#include "ui/qt_text.h"
#include "ui/screen.h"
#include "ui/window_frame.h"

namespace tandarel {
namespace {

constexpr std::array<const char*, kBilanKindCount> kKindCaptions = {
    "Par remplaçant", "Par école", "Par enseignant remplacé", "Alertes (absences non couvertes)",
    "Comparaison des années scolaires"};

}  // namespace

Bilans::Bilans(ui::AppContext& context, QWidget* parent)
    : ui::ModalWindow(context, parent),
      askSavePath_([this](const QString& suggested) {
          const bool pdf = suggested.endsWith(QStringLiteral(".pdf"));
          return QFileDialog::getSaveFileName(this, QStringLiteral("Enregistrer le bilan"), suggested,
                                              pdf ? QStringLiteral("Document PDF (*.pdf)")
                                                  : QStringLiteral("Tableur CSV (*.csv)"));
      }),
      runPrintDialog_([this](QPrinter& printer) {
          QPrintDialog dialog(&printer, this);
          return dialog.exec() == QDialog::Accepted;
      }) {
    kindGroup_ = new QGroupBox(QStringLiteral(" Choix du bilan "), this);
    kindGroup_->setGeometry(330, 200, 340, 190);
    for (std::size_t i = 0; i < kBilanKindCount; ++i) {
        auto* radio = new QRadioButton(QString::fromUtf8(kKindCaptions[i]), kindGroup_);
        radio->setGeometry(25, 30 + 30 * static_cast<int>(i), 300, 22);
        connect(radio, &QRadioButton::clicked, this, [this, i] { chooseKind(static_cast<BilanKind>(i)); });
        kindButtons_[i] = radio;
    }
    kindQuit_ = makeButton(QStringLiteral("Quitter"), QRect(450, 410, 100, 30), this);
    connect(kindQuit_, &QPushButton::clicked, this, &QWidget::close);

    dialogue_ = new PeriodDialogue(context.messages, context.clock, this);
    dialogue_->setGeometry((kWidth - 777) / 2, 0, 777, 600);
    dialogue_->setFuturePeriods(FuturePeriods::CutAtToday);
    connect(dialogue_, &PeriodDialogue::periodAccepted, this, &Bilans::onPeriodAccepted);
    connect(dialogue_, &PeriodDialogue::quitRequested, this, &QWidget::close);

    result_ = new QWidget(this);
    result_->setGeometry(0, 0, kWidth, kHeight);
    periodLabel_ = new QLabel(result_);
    periodLabel_->setGeometry(10, 8, 980, 24);
    QFont bold = periodLabel_->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    periodLabel_->setFont(bold);
    table_ = new BilanTable(result_);
    chart_ = new BilanChart(result_);
    chart_->setGeometry(680, 38, 310, 400);
    connect(table_, &BilanTable::rowActivated, this, &Bilans::showDetails);
    detailsLabel_ = makeTitleBar(QString(), QRect(10, 446, 980, 18), result_);
    details_ = new QTableWidget(0, 5, result_);
    details_->move(10, 466);
    details_->setHorizontalHeaderLabels({QStringLiteral("Jour"), QStringLiteral("Semaine"),
                                         QStringLiteral("Remplaçant"), QStringLiteral("École"),
                                         QStringLiteral("Ligne de motif")});
    details_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    details_->verticalHeader()->hide();
    details_->verticalHeader()->setDefaultSectionSize(20);
    details_->horizontalHeader()->setStretchLastSection(true);
    for (const auto& [column, width] : {std::pair{0, 190}, {1, 190}, {2, 180}, {3, 200}})
        details_->setColumnWidth(column, width);

    csvButton_ = makeButton(QStringLiteral("Exporter en CSV"), QRect(10, 662, 130, 28), result_);
    pdfButton_ = makeButton(QStringLiteral("Exporter en PDF"), QRect(150, 662, 130, 28), result_);
    printButton_ = makeButton(QStringLiteral("Imprimer"), QRect(290, 662, 130, 28), result_);
    otherButton_ = makeButton(QStringLiteral("Autre bilan"), QRect(730, 662, 120, 28), result_);
    quitButton_ = makeButton(QStringLiteral("Quitter"), QRect(860, 662, 130, 28), result_);
    connect(csvButton_, &QPushButton::clicked, this, &Bilans::exportCsv);
    connect(pdfButton_, &QPushButton::clicked, this, &Bilans::exportPdf);
    connect(printButton_, &QPushButton::clicked, this, &Bilans::print);
    connect(otherButton_, &QPushButton::clicked, this, &Bilans::showKindChoice);
    connect(quitButton_, &QPushButton::clicked, this, &QWidget::close);
}

void Bilans::resizeEvent(QResizeEvent* event) {
    ui::ModalWindow::resizeEvent(event);
    // The given size is the frame's: the details and the buttons keep to the client area.
    result_->resize(size());
    const int buttonsTop = height() - 36;
    details_->resize(980, buttonsTop - 8 - details_->y());
    for (auto* b : {csvButton_, pdfButton_, printButton_, otherButton_, quitButton_}) b->move(b->x(), buttonsTop);
}

void Bilans::FormActivate() {
    setWindowTitle(QStringLiteral("Tandarel - Bilans     -     "));
    const auto screen = ui::screenSize();
    ui::placeFrame(*this, QRect(centredOrigin(screen.width(), kWidth), centredOrigin(screen.height(), kHeight),
                                kWidth, kHeight));
    showKindChoice();
}

void Bilans::showKindChoice() {
    result_->hide();
    dialogue_->hide();
    report_.reset();
    period_.reset();
    files_ = {};
    for (auto* radio : kindButtons_) {
        radio->setAutoExclusive(false);
        radio->setChecked(false);
        radio->setAutoExclusive(true);
    }
    kindGroup_->show();
    kindQuit_->show();
}

void Bilans::chooseKind(BilanKind kind) {
    kind_ = kind;
    kindGroup_->hide();
    kindQuit_->hide();
    dialogue_->reset();
    // The comparison takes a kind of period in every school year: the year typed is only
    // checked, and a custom range has no equivalent in another year.
    dialogue_->modeButton(PeriodMode::DateRange).setVisible(kind != BilanKind::Comparison);
    dialogue_->show();
}

void Bilans::onPeriodAccepted(const Period& period) {
    const auto backToModes = [this, &period] {
        dialogue_->abandonEntry(period.mode);
        dialogue_->showModeChoice();
    };
    std::optional<BilanReport> report;
    const bool done = ui::reportingFileErrors(context_.messages, [&] {
        try {
            if (kind_ == BilanKind::Comparison) {
                const auto text = [this](PeriodField f) { return ui::fromQ(dialogue_->field(f).text()); };
                const PeriodKind periodKind{period.mode, text(PeriodField::Trimester), text(PeriodField::Boundary),
                                            text(PeriodField::Month)};
                auto comparison = compareSchoolYears(context_.dataFolder, periodKind, context_.clock.today());
                for (const auto& message : comparison.refusal) context_.messages.inform(ui::toQ(message));
                if (!comparison.refusal.empty()) return;
                if (comparison.report.rows.empty()) {
                    context_.messages.inform(ui::toQ(noWeekFileMessage(period.mode)));
                    return;
                }
                report = std::move(comparison.report);
                return;
            }
            auto files = collectWeekFiles(context_.dataFolder, period.start, period.end);
            if (files.empty()) {
                context_.messages.inform(ui::toQ(noWeekFileMessage(period.mode)));
                return;
            }
            report = runBilan(kind_, files, period);
            files_ = std::move(files);
            period_ = period;
        } catch (const UnreadableWeekFile& failure) {
            for (const auto& message : failure.messagesBefore()) context_.messages.inform(ui::toQ(message));
            throw;
        }
    });
    if (!done || !report) {
        backToModes();
        return;
    }
    for (const auto& message : report->messages) context_.messages.inform(ui::toQ(message));
    showReport(std::move(*report));
}

void Bilans::showReport(BilanReport report) {
    report_ = std::move(report);
    dialogue_->hide();
    periodLabel_->setText(ui::toQ(report_->title) + QStringLiteral(" — ") + ui::toQ(report_->periodText));
    auto bars = bilanBars(*report_);
    const bool charted = bilanHasChart(kind_);
    table_->setGeometry(10, 38, charted ? 660 : 980, 400);
    chart_->setVisible(charted);
    chart_->setBars(std::move(bars));
    table_->setReport(*report_);
    const bool detailed = kind_ != BilanKind::Comparison;
    detailsLabel_->setText(detailed ? QStringLiteral(" Détail d'une ligne : double-cliquez sur la ligne ")
                                    : QStringLiteral(" Pas de détail pour la comparaison des années "));
    details_->setRowCount(0);
    result_->show();
}

void Bilans::showDetails(int reportRow) {
    if (!report_ || !period_ || reportRow < 0 || reportRow >= static_cast<int>(report_->rows.size())) return;
    const auto& row = report_->rows[static_cast<std::size_t>(reportRow)];
    ui::reportingFileErrors(context_.messages, [&] {
        const auto details = bilanDetails(kind_, row.key, files_, *period_);
        details_->setRowCount(static_cast<int>(details.size()));
        for (std::size_t r = 0; r < details.size(); ++r) {
            const auto& d = details[r];
            int column = 0;
            for (const auto* text : {&d.day, &d.week, &d.substitute, &d.school, &d.motif})
                details_->setItem(static_cast<int>(r), column++, new QTableWidgetItem(ui::toQ(*text)));
        }
        detailsLabel_->setText(QStringLiteral(" Détail de « %1 » : %2 ligne(s) ")
                                   .arg(ui::toQ(row.label))
                                   .arg(details.size()));
    });
}

QString Bilans::askPath(const char* extension) {
    return askSavePath_(ui::suggestedPath(context_.dataFolder, ui::toQ(bilanFileStem(*report_)) + extension));
}

void Bilans::exportCsv() {
    if (!report_) return;
    const QString chosen = askPath(".csv");
    if (chosen.isEmpty()) return;
    ui::reportingFileErrors(context_.messages,
                            [&] { replaceFileAtomically(ui::pathFromQ(chosen), bilanCsv(*report_)); });
}

void Bilans::exportPdf() {
    if (!report_) return;
    const QString chosen = askPath(".pdf");
    if (chosen.isEmpty()) return;
    const auto file = ui::pathFromQ(chosen);
    ui::reportingFileErrors(context_.messages, [&] { writePdfFile(file, bilanPdf(*report_)); });
}

void Bilans::print() {
    if (!report_) return;
    QPrinter printer;
    printer.setDocName(ui::toQ(report_->title));
    printer.setPageLayout(analysisPageLayout());
    if (!runPrintDialog_(printer)) return;
    if (!paintBilanDocument(printer, *report_))
        context_.messages.error(QStringLiteral("L'impression du bilan n'a pas pu être faite."));
}

}  // namespace tandarel
