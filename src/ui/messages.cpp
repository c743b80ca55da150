#include "ui/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace tandarel::ui {
namespace {
const QString kTitle = QStringLiteral("Tandarel");
// The program's texts separate their lines with CR LF; a label wants LF alone.
QString displayed(const QString& text) { return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }
}  // namespace

void DialogMessages::inform(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kTitle, displayed(text), QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

bool DialogMessages::ask(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Question, caption, displayed(text), QMessageBox::NoButton, QApplication::activeWindow());
    auto* yes = box.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
}

void DialogMessages::error(const QString& text) {
    QMessageBox box(QMessageBox::Critical, kTitle, displayed(text), QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

}  // namespace tandarel::ui
