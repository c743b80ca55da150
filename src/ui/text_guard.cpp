#include "ui/text_guard.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <limits>
#include <map>

#include "core/cp1252.h"
#include "ui/messages.h"
#include "ui/qt_text.h"

namespace tandarel::ui {

std::optional<QString> refusalOf(const QString& text) {
    if (text.contains(QLatin1Char(';'))) return kSemicolonRefused;
    for (const char32_t cp : text.toUcs4()) {
        if (!unicodeToCp1252(cp))
            return QStringLiteral("Le caractère « %1 » ne peut pas être enregistré dans les fichiers : il est refusé.")
                .arg(QString::fromUcs4(&cp, 1));
    }
    return std::nullopt;
}

StorableTextValidator::StorableTextValidator(Messages& messages, QLineEdit& edit)
    : QValidator(&edit), messages_(messages), before_(edit.text()) {
    connect(&edit, &QLineEdit::textChanged, this, [this](const QString& text) { before_ = text; });
}

namespace {

// How many times each character that no file may hold appears in the text.
std::map<char32_t, int> forbiddenCharacters(const QString& text) {
    std::map<char32_t, int> counts;
    for (const char32_t cp : text.toUcs4())
        if (cp == U';' || !unicodeToCp1252(cp)) ++counts[cp];
    return counts;
}

}  // namespace

QValidator::State StorableTextValidator::validate(QString& input, int&) const {
    // Only what the change adds is judged: a text that already held such a character (a
    // hand-edited file) can still be edited around it, and its editor opens without a word.
    const auto before = forbiddenCharacters(before_);
    std::optional<QString> refusal;
    for (const auto& [cp, count] : forbiddenCharacters(input)) {
        const auto was = before.find(cp);
        if (was == before.end() || was->second < count) {
            refusal = refusalOf(QString::fromUcs4(&cp, 1));
            break;
        }
    }
    if (!refusal) return Acceptable;
    // The box waits until the key or paste is fully handled: a modal loop inside
    // the line edit's own input handling would re-enter it.
    QPointer<const StorableTextValidator> self(this);
    QTimer::singleShot(0, [self, text = *refusal] {
        if (self) self->messages_.inform(text);
    });
    return Invalid;
}

void guardLineEdit(QLineEdit& edit, Messages& messages) {
    edit.setValidator(new StorableTextValidator(messages, edit));
}

GuardedItemDelegate::GuardedItemDelegate(Messages& messages, QObject* parent)
    : ShownTextDelegate(parent), messages_(messages) {}

QWidget* GuardedItemDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const {
    auto* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        guardLineEdit(*line, messages_);
        // A line edit keeps 32767 characters by default: a longer cell of a hand-edited
        // file would be cut, and saved cut, by merely opening its editor.
        line->setMaxLength(std::numeric_limits<int>::max());
    }
    return editor;
}

bool GuardedItemDelegate::eventFilter(QObject* editor, QEvent* event) {
    // Ctrl+Z / Ctrl+Y in an editor with nothing of its own to undo or redo belong to the
    // window's history: the override is refused so that the window's shortcut takes them.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* line = qobject_cast<const QLineEdit*>(editor);
        const auto combination = static_cast<QKeyEvent*>(event)->keyCombination();
        const bool undo = combination == QKeyCombination(Qt::CTRL, Qt::Key_Z);
        const bool redo = combination == QKeyCombination(Qt::CTRL, Qt::Key_Y) ||
                          combination == QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z);
        if (line && ((undo && !line->isUndoAvailable()) || (redo && !line->isRedoAvailable()))) {
            event->ignore();
            return true;
        }
    }
    // Qt ends the edit when its window loses the keyboard: it commits, closes the editor
    // (the next key reopens it with its text selected) or, for an editor that stays,
    // hands the focus to the view (which swallows the next key). A modal box over the
    // window is not the planner leaving the cell.
    if (event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() == Qt::ActiveWindowFocusReason) {
        const QWidget* box = QApplication::activeModalWidget();
        const auto* widget = qobject_cast<QWidget*>(editor);
        if (box && widget && box != widget->window()) return false;
    }
    return ShownTextDelegate::eventFilter(editor, event);
}

void ShownTextDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    option->text = shownPart(option->text);
}

}  // namespace tandarel::ui
