#include "app/documentation.h"

#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTextDocument>
#include <algorithm>

#include "app/documentation_text.h"
#include "ui/colour.h"
#include "ui/qt_text.h"
#include "ui/screen.h"
#include "ui/window_frame.h"

namespace tandarel {
namespace {
constexpr int kWidth = 690;
constexpr int kGuideWidth = 665;
constexpr int kGuideHeight = 400;

QStringList guideLines() {
    QStringList lines;
    for (const auto line : kDocumentationLines) lines << ui::toQ(line);
    return lines;
}

// The lines were broken by hand to fit the field: the font is made just small enough
// for the widest one to show unbroken (a horizontal scroll bar is the last resort).
void fitFont(QPlainTextEdit& guide, const QStringList& lines) {
    const int available = kGuideWidth - 2 * guide.frameWidth() -
                          guide.style()->pixelMetric(QStyle::PM_ScrollBarExtent) -
                          2 * static_cast<int>(guide.document()->documentMargin()) - 12;
    QFont font = guide.font();
    if (font.pointSizeF() <= 0) return;  // a font given in pixels is left as it is
    for (qreal size = font.pointSizeF(); size >= 6; size -= 0.5) {
        font.setPointSizeF(size);
        const QFontMetrics metrics(font);
        int widest = 0;
        for (const auto& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
        if (widest <= available) break;
    }
    guide.setFont(font);
}
}  // namespace

documentation::documentation(ui::AppContext& context, QWidget* parent) : ui::ModalWindow(context, parent) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    guide_ = new QPlainTextEdit(this);
    QPalette palette = guide_->palette();
    palette.setColor(QPalette::Base, ui::bgr(0xEAFFFF));
    guide_->setPalette(palette);
    guide_->setLineWrapMode(QPlainTextEdit::NoWrap);
    fitFont(*guide_, guideLines());
    guide_->hide();
}

void documentation::FormActivate() {
    setWindowTitle(QStringLiteral("Tandarel - Documentation succincte "));
    guide_->setGeometry((kWidth - kGuideWidth) / 2, 10, kGuideWidth, kGuideHeight);
    ui::placeFrame(*this, QRect(ui::centredLeft(kWidth), 100, kWidth, kGuideHeight + 50));
    // Always the guide as written, whatever was typed into it last time.
    guide_->setPlainText(guideLines().join(QLatin1Char('\n')));
    guide_->show();
}

}  // namespace tandarel
