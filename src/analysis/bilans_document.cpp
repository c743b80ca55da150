#include "analysis/bilans_document.h"

#include <QApplication>
#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <cstdint>
#include <functional>

#include "analysis/bilans_chart.h"
#include "analysis/result_pdf.h"
#include "ui/colour.h"
#include "ui/qt_text.h"

namespace tandarel {
namespace {

constexpr double kFooterMm = 8;
constexpr double kRowMm = 6;
constexpr double kHeaderMm = 11;  // two lines of a header such as "Convenance personnelle"
constexpr double kChartMm = 100;
constexpr std::uint32_t kShade = 0xE0E0E0;     // behind the header and the totals (0xBBGGRR)
constexpr std::uint32_t kCellLine = 0xA0A0A0;

QFont documentFont(double points, bool bold = false) {
    QFont font = QApplication::font();
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

using Drawing = std::function<void(QPainter&, double top)>;

// The pages as lists of drawings at their heights, laid out before any is painted so
// that every foot knows the number of pages.
struct Pages {
    double bottom;
    std::vector<std::vector<std::pair<double, Drawing>>> pages{1};
    double y = 0;

    bool fits(double height) const { return y + height <= bottom; }
    void newPage() {
        pages.emplace_back();
        y = 0;
    }
    void add(double height, Drawing drawing) {
        pages.back().emplace_back(y, std::move(drawing));
        y += height;
    }
};

class Layout {
public:
    Layout(const BilanReport& report, double width, double pixelsPerMm)
        : width_(width), mm_(pixelsPerMm) {
        // The first column takes a quarter; the values share the rest.
        const std::size_t values = report.headers.size() > 1 ? report.headers.size() - 1 : 1;
        firstWidth_ = width / 4;
        valueWidth_ = (width - firstWidth_) / static_cast<double>(values);
    }

    double mm(double millimetres) const { return millimetres * mm_; }

    Drawing text(QString text, QFont font, double height) const {
        return [this, text = std::move(text), font = std::move(font), height](QPainter& painter, double top) {
            painter.setFont(font);
            painter.setPen(Qt::black);
            const QRectF box(0, top, width_, height);
            painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                             painter.fontMetrics().elidedText(text, Qt::ElideRight, qRound(width_)));
        };
    }

    // One line of the table; `shade` for the header and the totals.
    Drawing line(std::vector<std::string> cells, double height, bool header, bool shade) const {
        return [this, cells = std::move(cells), height, header, shade](QPainter& painter, double top) {
            painter.setFont(documentFont(header ? 7 : 9, header || shade));
            double x = 0;
            for (std::size_t c = 0; c < cells.size(); ++c) {
                const QRectF cell(x, top, c == 0 ? firstWidth_ : valueWidth_, height);
                if (shade) painter.fillRect(cell, ui::bgr(kShade));
                painter.setPen(QPen(ui::bgr(kCellLine), 0));
                painter.drawRect(cell);
                painter.setPen(Qt::black);
                const QRectF inner = cell.adjusted(mm(1), 0, -mm(1), 0);
                const QString shown = ui::toQ(cells[c]);
                if (header)
                    painter.drawText(inner, Qt::AlignCenter | Qt::TextWordWrap, shown);
                else
                    painter.drawText(inner, (c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter | Qt::TextSingleLine,
                                     painter.fontMetrics().elidedText(shown, Qt::ElideRight, qRound(inner.width())));
                x += cell.width();
            }
        };
    }

private:
    double width_;
    double mm_;
    double firstWidth_ = 0;
    double valueWidth_ = 0;
};

Pages layOut(const Layout& layout, const BilanReport& report, double width, double bottom) {
    Pages pages{bottom};
    pages.add(layout.mm(10), layout.text(ui::toQ(report.title), documentFont(16, true), layout.mm(10)));
    pages.add(layout.mm(7), layout.text(QStringLiteral("Période : ") + ui::toQ(report.periodText), documentFont(10),
                                        layout.mm(7)));
    pages.y += layout.mm(3);
    const double header = layout.mm(kHeaderMm), row = layout.mm(kRowMm);
    pages.add(header, layout.line(report.headers, header, true, true));
    for (const auto& r : report.rows) {
        if (!pages.fits(row)) {
            pages.newPage();
            pages.add(header, layout.line(report.headers, header, true, true));
        }
        pages.add(row, layout.line(bilanCells(r), row, false, false));
    }
    if (report.totals) {
        if (!pages.fits(row)) pages.newPage();
        pages.add(row, layout.line(bilanCells(*report.totals), row, false, true));
    }
    const auto bars = bilanBars(report);
    if (!bars.empty()) {
        const double title = layout.mm(10), chart = layout.mm(kChartMm);
        pages.y += layout.mm(6);
        if (!pages.fits(title + chart)) pages.newPage();
        pages.add(title, layout.text(QStringLiteral("Les %1 premières lignes par total (en jours)").arg(bars.size()),
                                     documentFont(11, true), title));
        pages.add(chart, [bars, width, chart](QPainter& painter, double top) {
            paintBilanBars(painter, QRectF(0, top, width, chart), bars);
        });
    }
    return pages;
}

}  // namespace

bool paintBilanDocument(QPagedPaintDevice& device, const BilanReport& report) {
    const double width = device.width();
    const Layout layout(report, width, device.logicalDpiY() / 25.4);
    const double bottom = device.height() - layout.mm(kFooterMm);
    const Pages pages = layOut(layout, report, width, bottom);
    QPainter painter;
    if (!painter.begin(&device)) return false;
    for (std::size_t page = 0; page < pages.pages.size(); ++page) {
        if (page > 0 && !device.newPage()) return false;
        for (const auto& [top, drawing] : pages.pages[page]) drawing(painter, top);
        painter.setFont(documentFont(9));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, bottom, width, layout.mm(kFooterMm)), Qt::AlignHCenter | Qt::AlignBottom,
                         QStringLiteral("Page %1 / %2").arg(page + 1).arg(pages.pages.size()));
    }
    return painter.end();
}

QByteArray bilanPdf(const BilanReport& report) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(ui::toQ(report.title));
        writer.setCreator(QStringLiteral("Tandarel"));
        writer.setResolution(300);
        writer.setPageLayout(analysisPageLayout());
        if (!paintBilanDocument(writer, report)) return {};
    }
    return buffer.data();
}

}  // namespace tandarel
