#include "app/ges_date_system.h"

namespace tandarel {

Ges_date_system::Ges_date_system(ui::AppContext& context, QWidget* parent) : ui::ModalWindow(context, parent) {}

void Ges_date_system::FormActivate() { setWindowTitle(QStringLiteral("Tandarel - Gestion de la date système ")); }

}  // namespace tandarel
