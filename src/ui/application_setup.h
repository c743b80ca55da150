#pragma once

class QApplication;

namespace tandarel::ui {

// Qt's own widgets (calendar, print dialog, standard buttons) in French whatever the
// system, and the compact 8-point font that the windows' fixed layouts were drawn for.
void setUpApplication(QApplication& app);

}  // namespace tandarel::ui
