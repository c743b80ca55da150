#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/calendar.h"
#include "lists/transfer_files.h"
#include "lists/transfer_rules.h"

namespace tandarel {

// A message box the transfer asks for: a plain sentence, or an input/output error.
struct TransferMessage {
    enum class Kind { Inform, Error };
    Kind kind = Kind::Inform;
    std::string text;
    bool operator==(const TransferMessage&) const = default;
};
using TransferMessages = std::vector<TransferMessage>;

// The timetable transfer that ends the substitutes list's "Quitter", without widgets:
// the step it is at, what each step decides from the user's answers, and the lists it
// holds from one step to the next (old and new names, pairing, weeks and their ticks).
// Each step returns the boxes to show, in order, once the view shows `stage()`; every
// path ends in the finishing step, which removes the working copies of the list.
class TransferSession {
public:
    enum class Stage { Idle, Pairing, Weeks, Finished };

    explicit TransferSession(std::filesystem::path dataFolder) : dataFolder_(std::move(dataFolder)) {}

    Stage stage() const { return stage_; }
    // Back to the start, holding nothing (the window is opened again).
    void reset();

    // Decides whether the list changed: on to the pairing, or to the end.
    TransferMessages start();

    // The pairing: one row per record of the longer list, new name opposite old name.
    const std::vector<PairingRow>& pairing() const { return pairing_; }
    // The names offered for a corrected pair: the edited list's, in order.
    const std::vector<std::string>& nameChoices() const { return names_; }
    // A click in a left cell empties it and waits for a name.
    void emptyNewName(std::size_t row);
    // The chosen name goes into the emptied cell; returns that cell's row, if any.
    std::optional<std::size_t> chooseName(std::size_t index);
    // "Nouvelle liste terminée": a duplicate new name is refused; otherwise on to the
    // weeks of today's school year, or to the end when it has none.
    TransferMessages confirmPairing(const Date& today);

    const SchoolYearWeeks& weeks() const { return weeks_; }
    const std::vector<bool>& ticks() const { return ticks_; }
    void chooseOption(WeekOption option);
    void setTicked(std::size_t entry, bool ticked);
    // "Fin de choix": rewrites the ticked weeks, then ends.
    TransferMessages endWeekChoice();

    // Clears what the transfer holds, removes the working copies of the list, and ends.
    TransferMessages finish();

private:
    TransferMessages finishing(TransferMessages said);

    std::filesystem::path dataFolder_;
    Stage stage_ = Stage::Idle;
    std::vector<PairingRow> pairing_;
    std::vector<std::string> names_;
    std::optional<std::size_t> emptiedRow_;
    SchoolYearWeeks weeks_;
    std::vector<bool> ticks_;
};

}  // namespace tandarel
