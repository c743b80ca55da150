#include "analysis/bilan_week.h"

#include "core/fields.h"

namespace tandarel::bilan {

Blocks::Blocks(const WeekTable& table) : lastRow_(lastSubstituteRow(table.rowCount())) {
    count_ = lastRow_ >= kFirstBlockRow ? blockOf(lastRow_) + 1 : 0;
}

std::string_view substituteKey(const WeekTable& table, int block) {
    const auto name = trimmedCell(table.lineLabel(Blocks::nameRow(block)));
    return name.empty() ? kNoSubstituteName : name;
}

}  // namespace tandarel::bilan
