#include "analysis/bilan_week.h"

#include <algorithm>

#include "core/fields.h"

namespace tandarel::bilan {

Blocks::Blocks(const WeekTable& table) : lastRow_(table.rowCount() - 1 - WeekGrid::kNonReplacementRows) {
    count_ = lastRow_ >= 1 ? (lastRow_ - 1) / kRows + 1 : 0;
}

int Blocks::placements(int block) const {
    // The motif line of placement p is nameRow + 2p + 1, and must be at most lastRow_.
    const int room = lastRow_ - nameRow(block) - 1;
    return room < 0 ? 0 : std::min(room / 2 + 1, kRows / 2);
}

std::string_view substituteKey(const WeekTable& table, int block) {
    const auto name = trimmed(table.lineLabel(Blocks::nameRow(block)));
    return name.empty() ? kNoSubstituteName : name;
}

bool holdsSchool(std::size_t slot) {
    return slot != kHtsSlot && slot != kUnavailableSlot && slot != static_cast<std::size_t>(Category::MiseADisposition);
}

std::optional<std::string_view> schoolKey(std::string_view storedSchool, std::size_t motifLineSlot) {
    const auto schoolSlot = motifSlot(storedSchool);
    if (holdsSchool(schoolSlot)) return trimmed(storedSchool);
    if (schoolSlot == static_cast<std::size_t>(Category::MiseADisposition) && isMotifCode(motifLineSlot))
        return kNoSchool;
    return std::nullopt;
}

std::optional<std::string_view> teacherKey(std::string_view storedMotif, std::size_t motifLineSlot) {
    if (!isMotifCode(motifLineSlot)) return std::nullopt;
    // The code is one letter and the stored marker, one byte each.
    const auto name = trimmed(trimmed(storedMotif).substr(2));
    return name.empty() ? kNoTeacherName : name;
}

}  // namespace tandarel::bilan
