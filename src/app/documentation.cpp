#include "app/documentation.h"

namespace tandarel {

documentation::documentation(ui::AppContext& context, QWidget* parent) : ui::ModalWindow(context, parent) {}

void documentation::FormActivate() { setWindowTitle(QStringLiteral("Tandarel - Documentation succincte ")); }

}  // namespace tandarel
