#include "planning/remplacements.h"

namespace tandarel {

Remplacements::Remplacements(ui::AppContext& context, QWidget* parent) : ui::ModalWindow(context, parent) {}

void Remplacements::FormActivate() { setWindowTitle(QStringLiteral("Tandarel - Gestion des Remplacements   -   ")); }

}  // namespace tandarel
