#include "analysis/bilan_week.h"

#include <algorithm>

#include "core/fields.h"

namespace tandarel::bilan {

Blocks::Blocks(const WeekTable& table) : lastRow_(lastSubstituteRow(table.rowCount())) {
    count_ = lastRow_ >= kFirstBlockRow ? blockOf(lastRow_) + 1 : 0;
}

int Blocks::placements(int block) const {
    // The motif line of placement p is nameRow + 2p + 1, and must be at most lastRow_.
    const int room = lastRow_ - nameRow(block) - 1;
    return room < 0 ? 0 : std::min(room / kPlageRows + 1, kBlockRows / kPlageRows);
}

std::string_view substituteKey(const WeekTable& table, int block) {
    const auto name = trimmedCell(table.lineLabel(Blocks::nameRow(block)));
    return name.empty() ? kNoSubstituteName : name;
}

}  // namespace tandarel::bilan
