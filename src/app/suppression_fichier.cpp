#include "app/suppression_fichier.h"

namespace tandarel {

Suppression_fichier::Suppression_fichier(ui::AppContext& context, QWidget* parent) : ui::ModalWindow(context, parent) {}

void Suppression_fichier::FormActivate() { setWindowTitle(QStringLiteral("Tandarel - Suppression d'un fichier")); }

}  // namespace tandarel
