#include "app/a_propos.h"

namespace tandarel {

APropos::APropos(ui::AppContext& context, QWidget* parent) : ui::ModalWindow(context, parent) {}

void APropos::FormActivate() { setWindowTitle(QStringLiteral(" Tandarel - A propos...")); }

}  // namespace tandarel
