#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/replacement_analysis.h"

namespace tandarel::bilan {

// Quarter-days by motif-line slot (motifSlot).
using SlotCounts = std::array<long, kMotifSlotCount>;

// The rows met in the files, by key, with their counts. A school or teacher is looked
// up for each of its cells: an open-addressed table of the keys' indexes, and the row
// met last tried first (a substitute often stays in one school for days).
class RowTally {
public:
    // The row of a key; a new row, counting nothing, for a key not met before.
    std::size_t row(std::string_view key);
    SlotCounts& counts(std::size_t row) { return counts_[row]; }

    std::size_t size() const { return keys_.size(); }
    const std::string& key(std::size_t row) const { return keys_[row]; }
    const SlotCounts& counts(std::size_t row) const { return counts_[row]; }

    // Every row of `other` added to this one's of the same key.
    void add(const RowTally& other);

private:
    void grow();

    std::vector<std::string> keys_;
    std::vector<SlotCounts> counts_;
    std::vector<std::uint32_t> slots_;  // 0: free; otherwise row + 1
    std::size_t last_ = 0;
};

}  // namespace tandarel::bilan
