#include "app/semaine.h"

#include <QFrame>
#include <QGroupBox>
#include <QPushButton>

#include "core/text_file.h"
#include "ui/file_errors.h"
#include "ui/half_day_boxes.h"
#include "ui/messages.h"
#include "ui/window_frame.h"

namespace tandarel {

Semaine::Semaine(ui::AppContext& context, QWidget* parent) : ui::ModalWindow(context, parent) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto* heading = new QGroupBox(QStringLiteral(" Définition de la semaine ouvrée "), this);
    heading->setGeometry(10, 10, 236, 18);
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    frame->setGeometry(10, 27, 236, 200);
    boxes_ = ui::makeHalfDayBoxes(*frame);
    finDeChoix_ = new QPushButton(QStringLiteral("Fin de choix"), this);
    finDeChoix_->move(90, 235);
    finDeChoix_->setAutoDefault(false);
    connect(finDeChoix_, &QPushButton::clicked, this, &Semaine::onFinDeChoix);
}

void Semaine::FormActivate() {
    setWindowTitle(QStringLiteral(" Tandarel - Semaine "));
    ui::placeFrame(*this, QRect(400, 50, 265, 295));
    const auto file = context_.file(kWorkingWeekFile);
    if (!entryExists(file)) {
        for (int i = 0; i < 12; ++i) boxes_[static_cast<std::size_t>(i)]->setChecked(i != 5 && i != 11);
        return;
    }
    for (auto* box : boxes_) box->setChecked(false);
    ui::reportingFileErrors(context_.messages, [&] {
        const auto worked = workedHalfDays(readFirstLine(file));
        for (int i = 0; i < 12; ++i) boxes_[static_cast<std::size_t>(i)]->setChecked(worked[static_cast<std::size_t>(i)]);
    });
}

void Semaine::reject() {}

void Semaine::onFinDeChoix() {
    std::array<bool, 12> worked{};
    bool any = false;
    for (int i = 0; i < 12; ++i) any |= worked[static_cast<std::size_t>(i)] = boxes_[static_cast<std::size_t>(i)]->isChecked();
    if (!any) {
        context_.messages.inform(QStringLiteral("Vous devez cocher au moins une plage..."));
        return;
    }
    const auto file = context_.file(kWorkingWeekFile);
    const bool saved = ui::reportingFileErrors(context_.messages, [&] {
        writeTextLines(file, {formatWorkingWeekLine(worked)});
        context_.workingWeek = parseWorkingWeekLine(readFirstLine(file));
    });
    if (!saved) return;
    emit weekSaved();
    accept();
}

}  // namespace tandarel
