#include "ui/modal_window.h"

#include <QShowEvent>

namespace tandarel::ui {

ModalWindow::ModalWindow(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setModal(true);
}

void ModalWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormActivate();
}

}  // namespace tandarel::ui
