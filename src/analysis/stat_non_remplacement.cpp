#include "analysis/stat_non_remplacement.h"

namespace tandarel {

Stat_Non_Remplacement::Stat_Non_Remplacement(ui::AppContext& context, QWidget* parent) : ui::ModalWindow(context, parent) {}

void Stat_Non_Remplacement::FormActivate() { setWindowTitle(QStringLiteral("Tandarel - Analyse     -     ")); }

}  // namespace tandarel
