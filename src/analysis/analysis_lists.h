#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRect>
#include <vector>

#include "analysis/week_table.h"

namespace tandarel {

// The 18-pixel-high titled bar above each list, grid and box of the analyses.
QLabel* makeTitleBar(const QString& caption, const QRect& geometry, QWidget* parent);
// A button of the analyses' windows, placed; Entrée in the window does not press it.
QPushButton* makeButton(const QString& caption, const QRect& geometry, QWidget* parent);

// A titled bar and its read-only list of coloured lines (" Liste des jours analysés ",
// " Liste des fichiers analysés ").
class TitledList {
public:
    // `top` is the bar's; the list sits under it, down to top + 17 + listHeight.
    TitledList(const QString& caption, int left, int top, int width, int listHeight, QWidget* parent);

    void place(int left, int top, int width, int listHeight);
    void setEntries(const std::vector<ListEntry>& entries);
    void setVisible(bool visible);

    QLabel& bar() { return *bar_; }
    QListWidget& list() { return *list_; }

private:
    QLabel* bar_;
    QListWidget* list_;
};

}  // namespace tandarel
