#include "analysis/bilan_tally.h"

namespace tandarel::bilan {

RowTally::RowTally(std::size_t rows) {
    keys_.reserve(rows);
    counts_.reserve(rows);
    text_.reserve(32 * rows);
    std::size_t slots = 64;
    while (slots < 2 * rows) slots *= 2;
    slots_.assign(slots, 0);
    mask_ = slots - 1;
}

std::size_t RowTally::add(std::string_view key, std::uint64_t hash, std::size_t slot) {
    keys_.push_back({text_.size(), key.size(), hash});
    text_.append(key);
    counts_.emplace_back();
    slots_[slot] = (hash >> 32) << 32 | keys_.size();
    return keys_.size() - 1;
}

void RowTally::grow() {
    slots_.assign(slots_.empty() ? 64 : 2 * slots_.size(), 0);
    mask_ = slots_.size() - 1;
    for (std::size_t row = 0; row < keys_.size(); ++row) {
        const std::uint64_t tag = keys_[row].hash >> 32;
        std::size_t slot = tag & mask_;
        while (slots_[slot] != 0) slot = (slot + 1) & mask_;
        slots_[slot] = tag << 32 | (row + 1);
    }
}

void RowTally::add(const RowTally& other) {
    for (std::size_t r = 0; r < other.size(); ++r) {
        auto& into = counts(find(other.key(r), other.keys_[r].hash));
        const auto& from = other.counts(r);
        for (std::size_t i = 0; i < from.size(); ++i) into[i] += from[i];
    }
}

}  // namespace tandarel::bilan
