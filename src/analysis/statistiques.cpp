#include "analysis/statistiques.h"

namespace tandarel {

Statistiques::Statistiques(ui::AppContext& context, QWidget* parent) : ui::ModalWindow(context, parent) {}

void Statistiques::FormActivate() { setWindowTitle(QStringLiteral("Tandarel - Analyse     -     ")); }

}  // namespace tandarel
