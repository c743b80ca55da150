#include "lists/list_chrome.h"

#include <QLabel>
#include <QPushButton>

#include "ui/colour.h"

namespace tandarel {
namespace {

constexpr int kButtonsTop = 32;
constexpr unsigned kYellow = 0x00FFFF;
constexpr unsigned kLightGreen = 0x80FF80;

QPushButton* makeButton(QWidget& parent, const QString& caption, int left, int width) {
    auto* button = new QPushButton(caption, &parent);
    button->setGeometry(left, kButtonsTop, width, 25);
    button->setAutoDefault(false);
    button->hide();
    return button;
}

}  // namespace

QLabel* makeHint(QWidget& parent, const QString& text, unsigned colour, int left, int top) {
    auto* hint = new QLabel(text, &parent);
    hint->setAutoFillBackground(true);
    QPalette palette = hint->palette();
    palette.setColor(QPalette::Window, ui::bgr(colour));
    palette.setColor(QPalette::WindowText, Qt::black);
    hint->setPalette(palette);
    hint->setContentsMargins(4, 0, 4, 0);
    hint->move(left, top);
    hint->resize(hint->sizeHint().width(), 21);
    return hint;
}

ListChrome::ListChrome(QWidget& window, const QString& clickHintText) {
    clickHint = makeHint(window, clickHintText, kYellow, 10, 8);
    editHint = makeHint(window,
                        QStringLiteral("Vous pouvez saisir une compétence, cliquer sur l'un des quatre boutons "
                                       "ci-dessous ou cliquer dans une cellule blanche..."),
                        kLightGreen, 10, 8);
    insertAbove = makeButton(window, QStringLiteral("Insérer une ligne au-dessus"), 10, 150);
    insertBelow = makeButton(window, QStringLiteral("Insérer une ligne au-dessous"), 162, 174);
    remove = makeButton(window, QStringLiteral("Supprimer la ligne courante"), 338, 174);
    quit = makeButton(window, QStringLiteral("Quitter"), 514, 80);
}

void ListChrome::showWaiting() {
    hideAll();
    clickHint->show();
}

void ListChrome::showEditing(bool canRemove) {
    clickHint->hide();
    editHint->show();
    insertAbove->show();
    insertBelow->show();
    remove->setVisible(canRemove);
    quit->show();
}

void ListChrome::showAfterRowChange() {
    insertAbove->hide();
    insertBelow->hide();
    remove->hide();
    editHint->hide();
    clickHint->show();
}

void ListChrome::hideAll() {
    for (QWidget* w : {static_cast<QWidget*>(clickHint), static_cast<QWidget*>(editHint),
                       static_cast<QWidget*>(insertAbove), static_cast<QWidget*>(insertBelow),
                       static_cast<QWidget*>(remove), static_cast<QWidget*>(quit)})
        w->hide();
}

}  // namespace tandarel
