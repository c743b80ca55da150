#include "ui/cells_command.h"

namespace tandarel::ui {

CellsCommand::CellsCommand(CellChanges changes, Apply apply, bool typing)
    : changes_(std::move(changes)), apply_(std::move(apply)), typing_(typing) {}

void CellsCommand::undo() {
    apply_(changes_, Direction::Undo);
    done_ = false;
}

void CellsCommand::redo() {
    if (done_) return;  // pushed after the change was made
    apply_(changes_, Direction::Redo);
    done_ = true;
}

bool CellsCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const CellsCommand*>(other);
    if (!next || !next->typing_ || changes_.size() != 1 || next->changes_.size() != 1) return false;
    auto& mine = changes_.front();
    const auto& theirs = next->changes_.front();
    if (mine.row != theirs.row || mine.column != theirs.column) return false;
    mine.after = theirs.after;
    return true;
}

}  // namespace tandarel::ui
