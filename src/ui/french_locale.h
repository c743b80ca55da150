#pragma once

class QApplication;

namespace tandarel::ui {

// Qt's own widgets (calendar, print dialog, standard buttons) in French, whatever the system.
void installFrenchLocale(QApplication& app);

}  // namespace tandarel::ui
