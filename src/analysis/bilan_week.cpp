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
    const auto name = trimmedCell(table.lineLabel(Blocks::nameRow(block)));
    return name.empty() ? kNoSubstituteName : name;
}

}  // namespace tandarel::bilan
