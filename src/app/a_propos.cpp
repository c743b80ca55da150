#include "app/a_propos.h"

#include <QTextEdit>
#include <QVBoxLayout>

#include "app/version.h"
#include "ui/qt_text.h"
#include "ui/screen.h"
#include "ui/window_frame.h"

namespace tandarel {
namespace {
constexpr int kWidth = 732;
constexpr int kHeight = 420;
}  // namespace

APropos::APropos(ui::AppContext& context, QWidget* parent) : ui::ModalWindow(context, parent) {
    richText_ = new QTextEdit(this);
    richText_->setReadOnly(true);
    // The field fills what the frame leaves of the window, 10 pixels in from its edges.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(richText_);
}

void APropos::FormActivate() {
    setWindowTitle(QStringLiteral(" Tandarel - A propos..."));
    ui::placeFrame(*this, QRect(ui::centredLeft(kWidth), 100, kWidth, kHeight));
    richText_->setPlainText(ui::toQ(kProgramName) + QLatin1Char(' ') + ui::toQ(kVersionText));
}

}  // namespace tandarel
