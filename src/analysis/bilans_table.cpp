#include "analysis/bilans_table.h"

#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>

#include "ui/qt_text.h"

namespace tandarel {
namespace {

constexpr int kSortRole = Qt::UserRole;
constexpr int kReportRowRole = Qt::UserRole + 1;

// Compares what the sort role holds: quarter-days as numbers, keys as bytes.
class BilanItem : public QTableWidgetItem {
public:
    BilanItem(const std::string& text, QVariant sortValue) : QTableWidgetItem(ui::toQ(text)) {
        setData(kSortRole, std::move(sortValue));
        setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
    bool operator<(const QTableWidgetItem& other) const override {
        const QVariant mine = data(kSortRole), theirs = other.data(kSortRole);
        if (mine.typeId() == QMetaType::LongLong) return mine.toLongLong() < theirs.toLongLong();
        return mine.toByteArray() < theirs.toByteArray();
    }
};

void fillRow(QTableWidget& grid, int visualRow, const BilanRow& row, int reportRow) {
    auto* first = new BilanItem(row.label, QByteArray::fromStdString(row.key));
    first->setData(kReportRowRole, reportRow);
    grid.setItem(visualRow, 0, first);
    for (std::size_t c = 0; c < row.texts.size(); ++c) {
        auto* value = new BilanItem(row.texts[c], static_cast<qlonglong>(row.quarterDays[c]));
        value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid.setItem(visualRow, static_cast<int>(c) + 1, value);
    }
}

QTableWidget* makeGrid(QWidget* parent) {
    auto* grid = new QTableWidget(parent);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(22);
    grid->horizontalHeader()->setHighlightSections(false);
    return grid;
}

}  // namespace

BilanTable::BilanTable(QWidget* parent) : QWidget(parent), rows_(makeGrid(this)), totals_(makeGrid(this)) {
    rows_->setSortingEnabled(true);
    rows_->horizontalHeader()->setSectionsClickable(true);
    rows_->horizontalHeader()->setSortIndicatorShown(true);
    totals_->horizontalHeader()->hide();
    totals_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    totals_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    totals_->setFocusPolicy(Qt::NoFocus);
    totals_->setSelectionMode(QAbstractItemView::NoSelection);
    // Both grids scroll sideways together and keep the same column widths.
    connect(rows_->horizontalScrollBar(), &QScrollBar::valueChanged, totals_->horizontalScrollBar(),
            &QScrollBar::setValue);
    connect(rows_->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int width) { totals_->setColumnWidth(column, width); });
    connect(rows_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        if (const int index = reportRow(row); index >= 0) emit rowActivated(index);
    });
}

void BilanTable::setReport(const BilanReport& report) {
    rows_->setSortingEnabled(false);
    rows_->clear();
    totals_->clear();
    const int columns = static_cast<int>(report.headers.size());
    rows_->setColumnCount(columns);
    totals_->setColumnCount(columns);
    QStringList headers;
    // Headers of several words on two lines, so that the values' columns stay narrow.
    for (const auto& header : report.headers) {
        QString text = ui::toQ(header);
        if (const auto blank = text.indexOf(' '); blank > 0 && text.size() > 12) text[blank] = '\n';
        headers << text;
    }
    rows_->setHorizontalHeaderLabels(headers);
    rows_->setRowCount(static_cast<int>(report.rows.size()));
    for (std::size_t r = 0; r < report.rows.size(); ++r)
        fillRow(*rows_, static_cast<int>(r), report.rows[r], static_cast<int>(r));
    totals_->setRowCount(report.totals ? 1 : 0);
    if (report.totals) {
        fillRow(*totals_, 0, *report.totals, -1);
        QFont bold = totals_->font();
        bold.setBold(true);
        for (int c = 0; c < columns; ++c) totals_->item(0, c)->setFont(bold);
    }
    rows_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);  // in the report's order
    rows_->setSortingEnabled(true);
    placeGrids();
    matchColumns();
}

int BilanTable::reportRow(int visualRow) const {
    const auto* item = rows_->item(visualRow, 0);
    return item == nullptr ? -1 : item->data(kReportRowRole).toInt();
}

void BilanTable::matchColumns() {
    auto* header = rows_->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    const int columns = rows_->columnCount();
    if (columns == 0) return;
    // The first column as wide as its texts (within a third of the grid); the values
    // share the rest evenly, never narrower than a value.
    rows_->resizeColumnToContents(0);
    const int room = width() - 2 * rows_->frameWidth() - rows_->verticalScrollBar()->sizeHint().width();
    const int first = std::clamp(rows_->columnWidth(0), 120, room / 3);
    const int value = columns > 1 ? std::max(60, (room - first) / (columns - 1)) : 0;
    rows_->setColumnWidth(0, columns > 1 ? std::max(first, room - value * (columns - 1)) : room);
    for (int c = 1; c < columns; ++c) rows_->setColumnWidth(c, value);
    for (int c = 0; c < columns; ++c) totals_->setColumnWidth(c, rows_->columnWidth(c));
}

void BilanTable::placeGrids() {
    const int totalsHeight = totals_->rowCount() > 0 ? 22 + 2 * totals_->frameWidth() : 0;
    rows_->setGeometry(0, 0, width(), height() - totalsHeight);
    totals_->setGeometry(0, height() - totalsHeight, width(), totalsHeight);
    totals_->setVisible(totalsHeight > 0);
}

void BilanTable::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeGrids();
    matchColumns();
}

}  // namespace tandarel
