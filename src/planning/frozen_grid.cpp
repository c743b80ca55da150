#include "planning/frozen_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include "planning/print_layout.h"
#include "ui/qt_text.h"

namespace tandarel {

void PlanningTableView::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (text.size() == 1 && QStringLiteral(";+-").contains(text[0])) {
        emit keyTyped(text[0]);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void PlanningTableView::mousePressEvent(QMouseEvent* event) {
    const QPersistentModelIndex before = currentIndex();
    QTableView::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || !before.isValid()) return;
    if (indexAt(event->position().toPoint()) == before && currentIndex() == before) emit currentClickedAgain(before);
}

CellDelegate::CellDelegate(ui::Messages& messages, QObject* parent) : ui::GuardedItemDelegate(messages, parent) {}

void CellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    painter->save();
    painter->setClipRect(option.rect);
    painter->fillRect(option.rect, index.data(Qt::BackgroundRole).value<QColor>());
    painter->setPen(Qt::black);
    painter->setFont(option.font);
    painter->drawText(option.rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      ui::shownPart(index.data(Qt::DisplayRole).toString()));
    const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
    if (view && view->currentIndex() == index) {
        painter->setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}

QWidget* CellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    auto* editor = ui::GuardedItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->setFrame(false);
        // Like the cells of a paper grid: what is typed is in the week at once, so any
        // save point writes it, whichever way the planner leaves the cell.
        auto* self = const_cast<CellDelegate*>(this);
        connect(line, &QLineEdit::textEdited, self, [self, line] { emit self->commitData(line); });
    }
    return editor;
}

void CellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line) return ui::GuardedItemDelegate::setEditorData(editor, index);
    const QString text = index.data(Qt::EditRole).toString();
    if (line->text() == text) return;  // the echo of its own typing: keep the cursor
    line->setText(text);
    line->deselect();
    line->end(false);
}

bool CellDelegate::eventFilter(QObject* watched, QEvent* event) {
    // Undo and redo belong to the week, not to the editor's own history of keys: the
    // shortcut override is refused so that the window's undo shortcuts take the keys.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto combination = static_cast<QKeyEvent*>(event)->keyCombination();
        for (const auto undoKey : {QKeyCombination(Qt::CTRL, Qt::Key_Z), QKeyCombination(Qt::CTRL, Qt::Key_Y),
                                   QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z)})
            if (combination == undoKey) {
                event->ignore();
                return true;
            }
    }
    return ui::GuardedItemDelegate::eventFilter(watched, event);
}

namespace {
QTableView* makeView(QTableView* view, QAbstractItemModel& model, QAbstractItemDelegate* delegate) {
    view->setModel(&model);
    view->setItemDelegate(delegate);
    view->horizontalHeader()->hide();
    view->verticalHeader()->hide();
    view->setFrameShape(QFrame::NoFrame);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    view->setTabKeyNavigation(false);
    auto* rows = view->verticalHeader();
    rows->setMinimumSectionSize(1);
    rows->setDefaultSectionSize(kDefaultRowHeight);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    auto* columns = view->horizontalHeader();
    columns->setMinimumSectionSize(1);
    columns->setDefaultSectionSize(kDefaultColumnWidth);
    columns->setSectionResizeMode(QHeaderView::Fixed);
    QPalette palette = view->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
    view->setPalette(palette);
    view->viewport()->setMouseTracking(true);
    return view;
}

void makeFixed(QTableView* view) {
    view->setSelectionMode(QAbstractItemView::NoSelection);
    view->setFocusPolicy(Qt::NoFocus);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void follow(QScrollBar* a, QScrollBar* b) {
    QObject::connect(a, &QScrollBar::valueChanged, b, &QScrollBar::setValue);
    QObject::connect(b, &QScrollBar::valueChanged, a, &QScrollBar::setValue);
}
}  // namespace

FrozenGrid::FrozenGrid(QAbstractItemModel& model, ui::Messages& messages, QWidget* parent)
    : QFrame(parent), model_(model) {
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::ToolTipBase));
    setPalette(palette);

    // The body's delegate edits; the fixed views only paint, with one of their own, so
    // that no editor signal reaches a view that did not open it.
    body_ = new PlanningTableView(this);
    makeView(body_, model, new CellDelegate(messages, this));
    auto* paintOnly = new CellDelegate(messages, this);
    body_->setSelectionMode(QAbstractItemView::SingleSelection);
    body_->setContextMenuPolicy(Qt::CustomContextMenu);
    for (QTableView** view : {&left_, &top_, &corner_}) {
        *view = makeView(new QTableView(this), model, paintOnly);
        makeFixed(*view);
    }
    follow(body_->verticalScrollBar(), left_->verticalScrollBar());
    follow(body_->horizontalScrollBar(), top_->horizontalScrollBar());
    for (QTableView* view : {static_cast<QTableView*>(body_), top_, left_, corner_})
        view->viewport()->installEventFilter(this);

    connect(&model, &QAbstractItemModel::modelReset, this, &FrozenGrid::applyShape);
    connect(&model, &QAbstractItemModel::columnsInserted, this, &FrozenGrid::applyShape);
    applyShape();
}

void FrozenGrid::applyShape() {
    editorIndex_ = QPersistentModelIndex();
    const int columns = model_.columnCount();
    for (QTableView* view : {static_cast<QTableView*>(body_), top_, left_, corner_}) {
        view->setColumnWidth(0, screenColumnWidth(0));
        view->setColumnWidth(1, screenColumnWidth(1));
    }
    body_->setRowHidden(0, true);
    left_->setRowHidden(0, true);
    for (int column = 0; column < columns; ++column) {
        const bool label = column < kFirstDayColumn;
        body_->setColumnHidden(column, label);
        top_->setColumnHidden(column, label);
        left_->setColumnHidden(column, !label);
    }
    layoutViews();
}

int FrozenGrid::frozenWidth() const { return screenColumnWidth(0) + screenColumnWidth(1); }
int FrozenGrid::frozenHeight() const { return kDefaultRowHeight; }

void FrozenGrid::layoutViews() {
    const QRect area = contentsRect();
    const int w0 = frozenWidth();
    const int h0 = frozenHeight();
    body_->setGeometry(area.left() + w0, area.top() + h0, std::max(0, area.width() - w0),
                       std::max(0, area.height() - h0));
    // The fixed views take the body's viewport size, so that their scroll ranges are
    // the body's and the rows and columns stay aligned to the last one.
    const QSize inner = body_->viewport()->size();
    corner_->setGeometry(area.left(), area.top(), w0, h0);
    top_->setGeometry(area.left() + w0, area.top(), inner.width(), h0);
    left_->setGeometry(area.left(), area.top() + h0, w0, inner.height());
}

void FrozenGrid::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    layoutViews();
}

bool FrozenGrid::eventFilter(QObject* watched, QEvent* event) {
    auto* viewport = static_cast<QWidget*>(watched);
    switch (event->type()) {
        case QEvent::Resize:
            if (watched == body_->viewport()) layoutViews();
            break;
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress: {
            // Before the view acts on a press, so a selection sees where the mouse is.
            const auto* mouse = static_cast<QMouseEvent*>(event);
            emit mouseAt(viewport->mapTo(this, mouse->position().toPoint()) - contentsRect().topLeft());
            break;
        }
        default:
            break;
    }
    return QFrame::eventFilter(watched, event);
}

QRect FrozenGrid::cellRect(int row, int column) const {
    const bool fixedRow = row == 0;
    const bool fixedColumn = column < kFirstDayColumn;
    const QTableView* view = fixedRow ? (fixedColumn ? corner_ : top_) : (fixedColumn ? left_ : body_);
    const QRect rect = view->visualRect(model_.index(row, column));
    return QRect(view->viewport()->mapTo(this, rect.topLeft()) - contentsRect().topLeft(), rect.size());
}

void FrozenGrid::showEditor(const QModelIndex& index) {
    if (editorIndex_.isValid() && editorIndex_ != index) hideEditor();
    if (!index.isValid() || !(index.flags() & Qt::ItemIsEditable)) return;
    if (!body_->isPersistentEditorOpen(index)) body_->openPersistentEditor(index);
    editorIndex_ = index;
    if (auto* line = editor()) {
        line->deselect();
        line->end(false);
        line->setFocus();
    }
}

void FrozenGrid::hideEditor() {
    if (editorIndex_.isValid()) body_->closePersistentEditor(editorIndex_);
    editorIndex_ = QPersistentModelIndex();
}

QLineEdit* FrozenGrid::editor() const {
    return editorIndex_.isValid() ? qobject_cast<QLineEdit*>(body_->indexWidget(editorIndex_)) : nullptr;
}

}  // namespace tandarel
