#include "analysis/result_pdf.h"

#include <QApplication>
#include <QBuffer>
#include <QPdfWriter>
#include <algorithm>

#include "analysis/analysis_window.h"
#include "core/atomic_file.h"
#include "core/file_error.h"
#include "ui/colour.h"
#include "ui/qt_text.h"

namespace tandarel {
namespace {

constexpr int kDotsPerInch = 300;
constexpr double kMarginMm = 15;
constexpr double kFooterMm = 8;
constexpr double kLineMm = 5;
constexpr double kGridRowMm = 7;
constexpr double kGridMmPerPixel = 0.5;  // the grid's column widths are the window's
constexpr double kChartHeightMm = 110;

using Painting = std::function<void(QPainter&, const QRectF&)>;
struct Item {
    QRectF box;
    Painting paint;
};

QFont documentFont(double points, bool bold = false) {
    QFont font = QApplication::font();
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QString trimmedQ(std::string_view text) { return ui::toQ(text).trimmed(); }

Painting textPainting(QString text, QFont font, QColor colour = Qt::black,
                      Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    return [text = std::move(text), font = std::move(font), colour, align](QPainter& painter, const QRectF& box) {
        painter.setFont(font);
        painter.setPen(colour);
        const QString shown = painter.fontMetrics().elidedText(ui::shownPart(text), Qt::ElideRight, qRound(box.width()));
        painter.drawText(box, align | Qt::TextSingleLine, shown);
    };
}

// Places the items down the pages: an item that does not fit below the previous one
// starts a new page.
class PageFlow {
public:
    PageFlow(double pixelsPerMm, QSizeF area) : mm_(pixelsPerMm), area_(area), pages_(1) {}

    double mm(double millimetres) const { return millimetres * mm_; }
    double width() const { return area_.width(); }
    double bottom() const { return area_.height() - mm(kFooterMm); }

    void add(double height, Painting paint, double width = -1) {
        if (y_ > 0 && y_ + height > bottom()) {
            pages_.emplace_back();
            y_ = 0;
        }
        pages_.back().push_back({QRectF(0, y_, width < 0 ? area_.width() : width, height), std::move(paint)});
        y_ += height;
    }
    void line(QString text, const QFont& font, QColor colour = Qt::black, double heightMm = kLineMm) {
        add(mm(heightMm), textPainting(std::move(text), font, colour));
    }
    void skip(double millimetres) { y_ += mm(millimetres); }

    const std::vector<std::vector<Item>>& pages() const { return pages_; }

private:
    double mm_;
    QSizeF area_;
    std::vector<std::vector<Item>> pages_;
    double y_ = 0;
};

Painting gridPainting(const ResultReport& report, std::vector<double> widths, double rowHeight) {
    return [&report, widths = std::move(widths), rowHeight](QPainter& painter, const QRectF& box) {
        const QColor grey = QApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
        const QFont font = documentFont(10);
        const double pad = rowHeight / 5;
        double y = box.top();
        for (std::size_t r = 0; r < report.grid.size(); ++r) {
            const bool banner = r == 0 || r + 1 == report.grid.size();  // header and total rows
            double x = box.left();
            for (std::size_t c = 0; c < widths.size() && c < report.grid[r].size(); ++c) {
                const QRectF cell(x, y, widths[c], rowHeight);
                QColor background = Qt::white;
                if (banner)
                    background = grey;
                else if (c > 0 && r < report.rowColours.size())
                    background = ui::bgr(report.rowColours[r]);
                painter.fillRect(cell, background);
                painter.setPen(QPen(ui::bgr(0xC0C0C0), 0));
                painter.drawRect(cell);
                // Values and the total's label to the right, as their blanks place them on screen.
                const bool right = c > 0 || r + 1 == report.grid.size();
                textPainting(trimmedQ(report.grid[r][c]), font, banner ? Qt::white : Qt::black,
                             (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter)(painter, cell.adjusted(pad, 0, -pad, 0));
                x += widths[c];
            }
            y += rowHeight;
        }
    };
}

// The chart as large as the box allows, keeping its proportions, on the window's colour
// (where a white sector shows, as on screen) with a margin of a twentieth of the box.
Painting chartPainting(const ChartDrawing& chart) {
    return [&chart](QPainter& painter, const QRectF& box) {
        const QRectF inner = box.adjusted(box.height() / 20, box.height() / 20, -box.height() / 20, -box.height() / 20);
        const double scale = std::min(inner.width() / chart.area.width(), inner.height() / chart.area.height());
        QRectF drawn(0, 0, chart.area.width() * scale, chart.area.height() * scale);
        drawn.moveCenter(box.center());
        painter.save();
        painter.fillRect(drawn.adjusted(-box.height() / 20, -box.height() / 20, box.height() / 20, box.height() / 20),
                         ui::bgr(AnalysisWindow::kWindowColour));
        painter.translate(drawn.topLeft());
        painter.scale(scale, scale);
        painter.translate(-chart.area.topLeft());
        chart.paint(painter);
        painter.restore();
    };
}

void addList(PageFlow& flow, std::string_view caption, const std::vector<ListEntry>& entries) {
    flow.skip(4);
    flow.line(trimmedQ(caption), documentFont(11, true), Qt::black, 7);
    const QFont font = documentFont(10);
    for (const auto& entry : entries) {
        QString text = ui::toQ(entry.text);
        if (const auto state = dayState(entry); !state.empty()) text += QStringLiteral(" (") + ui::toQ(state) + ')';
        flow.line(QStringLiteral("    ") + text, font, ui::bgr(entry.colour));
    }
}

void layOut(PageFlow& flow, const ResultReport& report, const ChartDrawing& chart, const std::vector<int>& gridColumns) {
    flow.line(ui::toQ(report.title), documentFont(16, true), Qt::black, 10);
    flow.skip(2);
    const QFont font = documentFont(10);
    for (const auto& [label, value] : report.facts) flow.line(ui::toQ(label) + QStringLiteral(" : ") + ui::toQ(value), font);

    flow.skip(4);
    flow.line(trimmedQ(kResultGridCaption), documentFont(11, true), Qt::black, 7);
    std::vector<double> widths;
    for (const int pixels : gridColumns) widths.push_back(flow.mm(pixels * kGridMmPerPixel));
    double tableWidth = 0;
    for (const double w : widths) tableWidth += w;
    flow.add(flow.mm(kGridRowMm) * static_cast<double>(report.grid.size()), gridPainting(report, widths, flow.mm(kGridRowMm)),
             tableWidth + 1);

    flow.skip(6);
    if (!chart.area.isEmpty()) {
        const double scale = std::min(flow.width() / chart.area.width(), flow.mm(kChartHeightMm) / chart.area.height());
        flow.add(chart.area.height() * scale, chartPainting(chart));
    }
    if (!report.note.empty()) flow.line(ui::toQ(report.note), font);

    addList(flow, kFilesListCaption, report.files);
    addList(flow, kDaysListCaption, report.days);
}

}  // namespace

QByteArray resultPdf(const ResultReport& report, const ChartDrawing& chart, const std::vector<int>& gridColumns) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(ui::toQ(report.title));
        writer.setCreator(QStringLiteral("Tandarel"));
        writer.setResolution(kDotsPerInch);
        writer.setPageLayout(analysisPageLayout());
        PageFlow flow(kDotsPerInch / 25.4, QSizeF(writer.width(), writer.height()));
        layOut(flow, report, chart, gridColumns);

        QPainter painter;
        if (!painter.begin(&writer)) return {};
        const auto& pages = flow.pages();
        const QFont footer = documentFont(9);
        for (std::size_t page = 0; page < pages.size(); ++page) {
            if (page > 0) writer.newPage();
            for (const auto& item : pages[page]) item.paint(painter, item.box);
            const QRectF foot(0, flow.bottom(), flow.width(), flow.mm(kFooterMm));
            textPainting(QStringLiteral("Page %1 / %2").arg(page + 1).arg(pages.size()), footer, Qt::black,
                         Qt::AlignHCenter | Qt::AlignBottom)(painter, foot);
        }
        if (!painter.end()) return {};
    }
    return buffer.data();
}

QPageLayout analysisPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
}

void writePdfFile(const std::filesystem::path& file, const QByteArray& pdf) {
    if (pdf.isEmpty()) throwWriteError(file, "le document PDF n'a pas pu être composé");
    replaceFileAtomically(file, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
}

}  // namespace tandarel
