#include "lists/transfer_session.h"

#include <utility>

#include "core/file_error.h"

namespace tandarel {
namespace {

TransferMessage inform(std::string text) { return {TransferMessage::Kind::Inform, std::move(text)}; }
TransferMessage error(std::string text) { return {TransferMessage::Kind::Error, std::move(text)}; }

// Runs `work`; a FileError becomes the error box of its sentence and the work stops there.
template <typename Work>
bool collectingFileErrors(TransferMessages& said, Work&& work) {
    return reportingFileErrors(std::forward<Work>(work),
                               [&](std::string text) { said.push_back(error(std::move(text))); });
}

}  // namespace

void TransferSession::reset() {
    stage_ = Stage::Idle;
    pairing_.clear();
    names_.clear();
    emptiedRow_.reset();
    weeks_ = {};
    ticks_.clear();
}

TransferMessages TransferSession::start() {
    reset();
    TransferMessages said;
    WorkingLists lists;
    const bool read = collectingFileErrors(said, [&] { lists = readWorkingLists(dataFolder_); });
    if (!read || !substitutesListChanged(lists.oldLines, lists.editedLines)) return finishing(std::move(said));
    pairing_ = proposePairing(lists.editedLines, lists.oldLines);
    names_ = pairingNameChoices(lists.editedLines);
    stage_ = Stage::Pairing;
    return said;
}

void TransferSession::emptyNewName(std::size_t row) {
    if (stage_ != Stage::Pairing || row >= pairing_.size()) return;
    pairing_[row].newName.clear();
    emptiedRow_ = row;
}

std::optional<std::size_t> TransferSession::chooseName(std::size_t index) {
    const auto row = std::exchange(emptiedRow_, std::nullopt);
    if (!row || index >= names_.size()) return std::nullopt;
    pairing_[*row].newName = names_[index];
    return row;
}

TransferMessages TransferSession::confirmPairing(const Date& today) {
    if (stage_ != Stage::Pairing) return {};
    if (hasDuplicateNewNames(pairing_)) return {inform("Il y a doublon(s) dans la colonne de gauche. Veuillez corriger...")};
    names_.clear();
    emptiedRow_.reset();

    TransferMessages said;
    if (!collectingFileErrors(said, [&] { weeks_ = schoolYearWeeks(dataFolder_, today); }))
        return finishing(std::move(said));
    if (weeks_.entries.empty()) {
        said.push_back(inform("Pas de semaine à modifier..."));
        return finishing(std::move(said));
    }
    ticks_.assign(weeks_.entries.size(), false);
    stage_ = Stage::Weeks;
    return said;
}

void TransferSession::chooseOption(WeekOption option) {
    if (stage_ == Stage::Weeks) ticks_ = weekTicks(option, weeks_.entries, weeks_.thisWeekFileName);
}

void TransferSession::setTicked(std::size_t entry, bool ticked) {
    if (stage_ == Stage::Weeks && entry < ticks_.size()) ticks_[entry] = ticked;
}

TransferMessages TransferSession::endWeekChoice() {
    if (stage_ != Stage::Weeks) return {};
    std::vector<std::string> ticked;
    for (std::size_t i = 0; i < ticks_.size(); ++i)
        if (ticks_[i]) ticked.push_back(weeks_.entries[i].fileName);
    if (ticked.empty()) return finishing({inform("Aucune semaine ne sera modifiée !")});

    TransferMessages said;
    RewriteOutcome outcome;
    const bool done = collectingFileErrors(said, [&] {
        const auto sources = readRewriteSources(dataFolder_);
        try {
            outcome = rewriteWeekFiles(weeks_.folder, ticked, sources.newList, pairing_, sources.patterns);
        } catch (const RewriteStopped& stopped) {
            outcome = stopped.done();  // the weeks left alone before the failure are named too
            throw;
        }
    });
    if (!outcome.leftAlone.empty()) said.push_back(inform(leftAloneMessage(weeks_.folderName, outcome.leftAlone)));
    if (done && !outcome.rewritten.empty())
        said.push_back(inform("Modification de la (des) semaine(s) sélectionnée(s) effectuée !"));
    return finishing(std::move(said));
}

TransferMessages TransferSession::finish() { return finishing({}); }

TransferMessages TransferSession::finishing(TransferMessages said) {
    reset();
    for (const auto name : {kOldSubstitutesFile, kEditedSubstitutesFile})
        collectingFileErrors(said, [&] { removeWorkingList(dataFolder_, name); });
    stage_ = Stage::Finished;
    return said;
}

}  // namespace tandarel
