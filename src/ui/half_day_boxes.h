#pragma once

#include <array>

class QCheckBox;
class QWidget;

namespace tandarel::ui {

// The twelve tick boxes of the working week ("Lundi matin" ... "Samedi après-midi"), one day
// a row 30 pixels apart from 20: mornings at 12 (100 wide), afternoons at 115 (115 wide).
// Shared by the week definition and the analysis that shows it.
std::array<QCheckBox*, 12> makeHalfDayBoxes(QWidget& frame);

}  // namespace tandarel::ui
