#pragma once

#include <QStyledItemDelegate>
#include <QValidator>
#include <optional>

class QLineEdit;

namespace tandarel::ui {

class Messages;

inline const QString kSemicolonRefused = QStringLiteral("Le signe  ;  est un caractère interdit !!!");

// Why a typed or pasted text cannot go into a data file: the ";" message, or a
// sentence naming a character that Windows-1252 cannot store. Nothing when it can.
std::optional<QString> refusalOf(const QString& text);

// Refuses, in a line edit, every change that would put such a text in it (typing,
// pasting, dropping), and tells the user why once the refused input is over.
class StorableTextValidator final : public QValidator {
    Q_OBJECT
public:
    // Guards `edit`, whose text it follows: a change is judged against the text before it.
    StorableTextValidator(Messages& messages, QLineEdit& edit);
    State validate(QString& input, int& pos) const override;

private:
    Messages& messages_;
    QString before_;  // the edit's text as it stands, before the change being judged
};

void guardLineEdit(QLineEdit& edit, Messages& messages);

// Cells that show the part of their text that fits (ui::shownPart); the data keep it all.
class ShownTextDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

// The editor of every editable grid of the program: a guarded line edit, holding the
// cell's whole text. A modal box over its window (the refusal of a character, a
// question) leaves it open, with its text and cursor, and it gets the keyboard back
// when the box closes.
class GuardedItemDelegate : public ShownTextDelegate {
    Q_OBJECT
public:
    GuardedItemDelegate(Messages& messages, QObject* parent);
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* editor, QEvent* event) override;

private:
    Messages& messages_;
};

}  // namespace tandarel::ui
