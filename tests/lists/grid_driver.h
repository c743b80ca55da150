#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <ostream>
#include <string>
#include <vector>

#include "lists/list_grid.h"
#include "real_boxes.h"

// Readable failures for Qt texts.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& texts, std::ostream* os) {
    *os << '{';
    for (const auto& t : texts) *os << " \"" << t.toStdString() << '"';
    *os << " }";
}

namespace tandarel::testing {

// Drives a list grid as the user does: clicks in cells, types into the open editor.
// A cell that does not exist is a click in the grid's empty area.
inline void clickCell(QTableWidget& grid, int row, int column) {
    const auto index = grid.model()->index(row, column);
    if (!index.isValid()) {
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(5, grid.viewport()->height() - 3));
        return;
    }
    grid.scrollTo(index);
    // An open editor covers its cell: the click lands in it, as the user's would.
    if (auto* editor = grid.indexWidget(index)) {
        QTest::mouseClick(editor, Qt::LeftButton, {}, editor->rect().center());
        return;
    }
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(index).center());
}

inline QLineEdit* openEditor(QTableWidget& grid) {
    return qobject_cast<QLineEdit*>(grid.indexWidget(grid.currentIndex()));
}

// Types any text (QTest's own key clicks take ASCII only).
inline void typeText(QWidget& target, const QString& text) {
    for (const QChar c : text) {
        const auto key = c.isLetterOrNumber() && c.unicode() < 128 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, &target, key, QString(c), Qt::NoModifier);
    }
}

// Clicks the cell and types the keys into its editor; false when no editor opened.
inline bool typeInCell(QTableWidget& grid, int row, int column, const QString& keys) {
    clickCell(grid, row, column);
    auto* editor = openEditor(grid);
    if (!editor) return false;
    editor->selectAll();
    typeText(*editor, keys);
    return true;
}

// In the cell's editor, types `refused` at `cursor`, lets its box (showRealBoxes) open
// and close, then types `more` wherever the keyboard is; false when the editor lost it.
inline bool typeAcrossRefusal(QWidget& window, QTableWidget& grid, int row, int column, int cursor,
                              const QString& refused, const char* more) {
    clickCell(grid, row, column);
    QLineEdit* editor = openEditor(grid);
    if (!editor) return false;
    editor->deselect();
    editor->setCursorPosition(cursor);
    typeText(*editor, refused);
    const bool kept = keyboardAfterBox(window) == editor;
    typeOnKeyboard(more);
    return kept;
}

inline void pressEnter(QWidget& target) { QTest::keyClick(&target, Qt::Key_Return); }

inline std::vector<std::string> column(const ListGrid& grid, int column) {
    std::vector<std::string> out;
    for (int row = 0; row < grid.rowCount(); ++row) out.push_back(grid.text(row, column).toStdString());
    return out;
}

inline void showActive(QWidget& window) {
    window.show();
    QApplication::setActiveWindow(&window);
    window.activateWindow();
    (void)QTest::qWaitForWindowActive(&window);
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

}  // namespace tandarel::testing
