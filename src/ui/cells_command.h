#pragma once

#include <QUndoCommand>
#include <functional>

#include "core/cell_change.h"

namespace tandarel::ui {

// One change of a grid's cells on an undo stack. The change is already made when the
// command is pushed, so its first redo does nothing; `apply` writes the texts of the
// direction asked and saves, like any change.
class CellsCommand final : public QUndoCommand {
public:
    using Apply = std::function<void(const CellChanges&, Direction)>;
    // `typing`: text typed into one cell, whose keys make one change together.
    CellsCommand(CellChanges changes, Apply apply, bool typing = false);

    void undo() override;
    void redo() override;
    int id() const override { return typing_ ? kTypingId : -1; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    static constexpr int kTypingId = 1;
    CellChanges changes_;
    Apply apply_;
    bool typing_;
    bool done_ = true;
};

}  // namespace tandarel::ui
