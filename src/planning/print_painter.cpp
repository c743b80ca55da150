#include "planning/print_painter.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include "ui/colour.h"
#include "ui/qt_text.h"

namespace tandarel {

void paintPrintPage(QPainter& painter, const PrintPage& page) {
    painter.save();
    painter.setPen(QPen(Qt::black, 0));
    for (const auto& cell : page.cells) {
        const QRect rect(cell.rect.left, cell.rect.top, cell.rect.width, cell.rect.height);
        painter.setBrush(ui::bgr(cell.fill));
        painter.drawRect(rect);
        painter.drawText(rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                         ui::shownPart(ui::toQ(cell.text)));
    }
    painter.restore();
}

bool paintPrintPages(QPagedPaintDevice& device, const std::vector<PrintPage>& pages) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) device.newPage();
        paintPrintPage(painter, pages[i]);
    }
    return painter.end();
}

}  // namespace tandarel
