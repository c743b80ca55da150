#include "app/semaine.h"

#include <QFrame>
#include <algorithm>
#include <QGroupBox>
#include <QPushButton>

#include "core/text_file.h"
#include "ui/file_errors.h"
#include "ui/messages.h"

namespace tandarel {
namespace {
const std::array<const char*, 12> kCaptions = {
    "Lundi matin",    "Lundi après-midi",    "Mardi matin",    "Mardi après-midi",
    "Mercredi matin", "Mercredi après-midi", "Jeudi matin",    "Jeudi après-midi",
    "Vendredi matin", "Vendredi après-midi", "Samedi matin",   "Samedi après-midi"};
}

Semaine::Semaine(ui::AppContext& context, QWidget* parent) : ui::ModalWindow(context, parent) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto* heading = new QGroupBox(QStringLiteral(" Définition de la semaine ouvrée "), this);
    heading->setGeometry(10, 10, 236, 18);
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    frame->setGeometry(10, 27, 236, 200);
    for (int i = 0; i < 12; ++i) {
        auto* box = new QCheckBox(QString::fromUtf8(kCaptions[static_cast<std::size_t>(i)]), frame);
        const int day = i / 2;
        // A caption wider than its box in this font keeps all its letters.
        const int width = std::max(i % 2 == 0 ? 100 : 115, box->sizeHint().width());
        box->setGeometry(i % 2 == 0 ? 12 : 115, 20 + 30 * day, width, 17);
        boxes_[static_cast<std::size_t>(i)] = box;
    }
    finDeChoix_ = new QPushButton(QStringLiteral("Fin de choix"), this);
    finDeChoix_->move(90, 235);
    finDeChoix_->setAutoDefault(false);
    connect(finDeChoix_, &QPushButton::clicked, this, &Semaine::onFinDeChoix);
}

void Semaine::FormActivate() {
    setWindowTitle(QStringLiteral(" Tandarel - Semaine "));
    setGeometry(400, 50, 265, 295);
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
