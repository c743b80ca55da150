#include "lists/personnels.h"

namespace tandarel {

Personnels::Personnels(ui::AppContext& context, QWidget* parent) : ui::ModalWindow(context, parent) {}

void Personnels::FormActivate() { setWindowTitle(QStringLiteral("Tandarel - Gestion des Remplaçants     -     ")); }

}  // namespace tandarel
