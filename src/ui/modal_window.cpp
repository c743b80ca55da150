#include "ui/modal_window.h"

#include <QEventLoop>
#include <QShowEvent>

namespace tandarel::ui {

ModalWindow::ModalWindow(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setModal(true);
}

void ModalWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormActivate();
}

void runModally(QDialog& window) {
    window.setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    QObject::connect(&window, &QDialog::finished, &loop, &QEventLoop::quit);
    window.show();
    if (!window.isVisible()) return;
    loop.exec(QEventLoop::DialogExec);
}

}  // namespace tandarel::ui
