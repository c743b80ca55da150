#include "ui/half_day_boxes.h"

#include <QCheckBox>
#include <algorithm>

namespace tandarel::ui {
namespace {
const std::array<const char*, 12> kCaptions = {
    "Lundi matin",    "Lundi après-midi",    "Mardi matin",  "Mardi après-midi",
    "Mercredi matin", "Mercredi après-midi", "Jeudi matin",  "Jeudi après-midi",
    "Vendredi matin", "Vendredi après-midi", "Samedi matin", "Samedi après-midi"};
}

std::array<QCheckBox*, 12> makeHalfDayBoxes(QWidget& frame) {
    std::array<QCheckBox*, 12> boxes{};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        auto* box = new QCheckBox(QString::fromUtf8(kCaptions[i]), &frame);
        const bool morning = i % 2 == 0;
        // A caption wider than its box in this font keeps all its letters.
        const int width = std::max(morning ? 100 : 115, box->sizeHint().width());
        box->setGeometry(morning ? 12 : 115, 20 + 30 * static_cast<int>(i / 2), width, 17);
        boxes[i] = box;
    }
    return boxes;
}

}  // namespace tandarel::ui
