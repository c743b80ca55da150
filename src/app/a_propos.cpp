#include "app/a_propos.h"

#include <QTextEdit>

#include "app/version.h"
#include "ui/qt_text.h"
#include "ui/screen.h"

namespace tandarel {
namespace {
constexpr int kWidth = 732;
constexpr int kHeight = 420;
}  // namespace

APropos::APropos(ui::AppContext& context, QWidget* parent) : ui::ModalWindow(context, parent) {
    richText_ = new QTextEdit(this);
    richText_->setReadOnly(true);
    richText_->setGeometry(10, 10, kWidth - 20, kHeight - 20);
}

void APropos::FormActivate() {
    setWindowTitle(QStringLiteral(" Tandarel - A propos..."));
    setGeometry(ui::centredLeft(kWidth), 100, kWidth, kHeight);
    richText_->setPlainText(ui::toQ(kProgramName) + QLatin1Char(' ') + ui::toQ(kVersionText));
}

}  // namespace tandarel
