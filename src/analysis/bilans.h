#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <array>
#include <functional>
#include <optional>

#include "analysis/bilan_report.h"
#include "analysis/bilans_chart.h"
#include "analysis/bilans_table.h"
#include "analysis/period_dialogue.h"
#include "analysis/week_collection.h"
#include "ui/modal_window.h"

namespace tandarel {

// The bilans: the kind of report, its period through the shared period dialogue (a
// period reaching past today cut at today), then the report in a sortable table with its
// totals, its chart, the details of a row, and its export, printing or another report.
class Bilans : public ui::ModalWindow {
    Q_OBJECT
public:
    static constexpr int kWidth = 1000;
    static constexpr int kHeight = 700;

    Bilans(ui::AppContext& context, QWidget* parent);

    QRadioButton& kindButton(BilanKind kind) { return *kindButtons_[static_cast<std::size_t>(kind)]; }
    PeriodDialogue& dialogue() { return *dialogue_; }
    BilanTable& table() { return *table_; }
    BilanChart& chart() { return *chart_; }
    QLabel& periodLabel() { return *periodLabel_; }
    QTableWidget& details() { return *details_; }
    QPushButton& csvButton() { return *csvButton_; }
    QPushButton& pdfButton() { return *pdfButton_; }
    QPushButton& printButton() { return *printButton_; }
    QPushButton& otherButton() { return *otherButton_; }
    QPushButton& quitButton() { return *quitButton_; }
    const std::optional<BilanReport>& report() const { return report_; }

    // Asks where to save, from the suggested path; empty when the planner gives up.
    using SaveDialog = std::function<QString(const QString& suggestedPath)>;
    void setSaveDialog(SaveDialog dialog) { askSavePath_ = std::move(dialog); }
    // Shows the print dialogue; true when the planner prints.
    using PrintRunner = std::function<bool(QPrinter&)>;
    void setPrintRunner(PrintRunner runner) { runPrintDialog_ = std::move(runner); }

protected:
    void FormActivate() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void chooseKind(BilanKind kind);
    void showKindChoice();
    void onPeriodAccepted(const Period& period);
    void showReport(BilanReport report);
    void showDetails(int reportRow);
    void exportCsv();
    void exportPdf();
    void print();
    QString askPath(const char* extension);

    BilanKind kind_ = BilanKind::Substitutes;
    std::optional<BilanReport> report_;
    std::optional<Period> period_;
    WeekFileList files_;

    QGroupBox* kindGroup_;
    std::array<QRadioButton*, kBilanKindCount> kindButtons_{};
    QPushButton* kindQuit_;
    PeriodDialogue* dialogue_;
    QWidget* result_;
    QLabel* periodLabel_;
    BilanTable* table_;
    BilanChart* chart_;
    QLabel* detailsLabel_;
    QTableWidget* details_;
    QPushButton* csvButton_;
    QPushButton* pdfButton_;
    QPushButton* printButton_;
    QPushButton* otherButton_;
    QPushButton* quitButton_;
    SaveDialog askSavePath_;
    PrintRunner runPrintDialog_;
};

}  // namespace tandarel
