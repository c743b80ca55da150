#pragma once

#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace tandarel {

// The hints and the four buttons that both list windows show above their grid.
class ListChrome {
public:
    ListChrome(QWidget& window, const QString& clickHint);

    // On activation: only the hint "Cliquez dans une cellule".
    void showWaiting();
    // After a click in the grid: the editing hint and the buttons, "Supprimer" only with a row to remove.
    void showEditing(bool canRemove);
    // After a row operation: the hint back, "Quitter" the only button left.
    void showAfterRowChange();
    void hideAll();

    QLabel* clickHint = nullptr;
    QLabel* editHint = nullptr;
    QPushButton* insertAbove = nullptr;
    QPushButton* insertBelow = nullptr;
    QPushButton* remove = nullptr;
    QPushButton* quit = nullptr;
};

// A hint on a coloured background (0xBBGGRR), sized to its text.
QLabel* makeHint(QWidget& parent, const QString& text, unsigned colour, int left, int top);

}  // namespace tandarel
