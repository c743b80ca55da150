#include "lists/rattachements.h"

namespace tandarel {

Rattachements::Rattachements(ui::AppContext& context, QWidget* parent) : ui::ModalWindow(context, parent) {}

void Rattachements::FormActivate() { setWindowTitle(QStringLiteral("Tandarel - Gestion des Rattachements     -     ")); }

}  // namespace tandarel
