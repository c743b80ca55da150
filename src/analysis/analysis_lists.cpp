#include "analysis/analysis_lists.h"

#include "ui/colour.h"
#include "ui/qt_text.h"

namespace tandarel {

QPushButton* makeButton(const QString& caption, const QRect& geometry, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setGeometry(geometry);
    b->setAutoDefault(false);
    return b;
}

QLabel* makeTitleBar(const QString& caption, const QRect& geometry, QWidget* parent) {
    auto* bar = new QLabel(caption, parent);
    bar->setGeometry(geometry);
    bar->setFrameShape(QFrame::Panel);
    bar->setFrameShadow(QFrame::Raised);
    bar->setAutoFillBackground(true);
    bar->setAlignment(Qt::AlignCenter);
    auto palette = bar->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    bar->setPalette(palette);
    return bar;
}

TitledList::TitledList(const QString& caption, int left, int top, int width, int listHeight, QWidget* parent)
    : bar_(makeTitleBar(caption, QRect(left, top, width, 18), parent)), list_(new QListWidget(parent)) {
    place(left, top, width, listHeight);
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->setFocusPolicy(Qt::NoFocus);
}

void TitledList::place(int left, int top, int width, int listHeight) {
    bar_->setGeometry(left, top, width, 18);
    list_->setGeometry(left, top + 17, width, listHeight);
}

void TitledList::setEntries(const std::vector<ListEntry>& entries) {
    list_->clear();
    for (const auto& entry : entries) {
        auto* item = new QListWidgetItem(ui::toQ(entry.text), list_);
        item->setForeground(ui::bgr(entry.colour));
    }
}

void TitledList::setVisible(bool visible) {
    bar_->setVisible(visible);
    list_->setVisible(visible);
}

}  // namespace tandarel
