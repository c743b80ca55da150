#include "lists/list_edit_session.h"

namespace tandarel {

void ListEditSession::start() {
    selected_.reset();
    textAtSelection_.clear();
    modified_ = false;
}

ListEditSession::Effects ListEditSession::select(GridCell cell, const CellText& textOf) {
    Effects effects;
    if (selected_) {
        std::string now = textOf(*selected_);
        if (now != textAtSelection_) {
            modified_ = true;
            effects.history.push_back({selected_->row, selected_->column, textAtSelection_, std::move(now)});
        }
    }
    std::string text = textOf(cell);
    // A switch alone is not saved at once: the next change of another kind takes it along.
    if (toggle_ && cell.column == toggle_->column) {
        std::string next = toggle_->next(text);
        effects.history.push_back({cell.row, cell.column, std::move(text), next});
        effects.switchTo = next;
        text = std::move(next);
    }
    effects.write = modified_;
    selected_ = cell;
    textAtSelection_ = std::move(text);
    return effects;
}

void ListEditSession::rowInserted(int row) {
    selected_ = GridCell{row, 0};
    textAtSelection_.clear();
    modified_ = true;
}

void ListEditSession::rowRemoved() {
    selected_.reset();
    modified_ = true;
}

void ListEditSession::restored(GridCell cell, const std::string& text) {
    if (selected_ == cell) textAtSelection_ = text;
}

std::optional<std::size_t> ListEditSession::currentRow(int rowCount) const {
    if (selected_ && selected_->row < rowCount) return static_cast<std::size_t>(selected_->row);
    return std::nullopt;
}

}  // namespace tandarel
