#pragma once

#include <QUndoCommand>
#include <QUndoStack>
#include <functional>
#include <map>
#include <memory>

#include "core/calendar.h"
#include "planning/cell_changes.h"

namespace tandarel {

// One change of the week on screen, on its week's undo stack. The change is already made
// when the command is pushed, so its first redo does nothing.
class CellsCommand final : public QUndoCommand {
public:
    using Apply = std::function<void(const CellChanges&, Direction)>;
    // `typing`: a name typed into one cell, whose keys make one change together.
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

// The planning window's undo history: one stack per week shown since the window opened,
// so that a week found again with "<" or ">" keeps its history.
class WeekHistory {
public:
    QUndoStack& of(const Date& monday);
    void clear() { stacks_.clear(); }

private:
    std::map<Date, std::unique_ptr<QUndoStack>> stacks_;
};

}  // namespace tandarel
