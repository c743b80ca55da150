#include "analysis/bilan_tally.h"

namespace tandarel::bilan {
namespace {

// Slots per key: with a few hundred keys, two of them share a first slot once in a while.
constexpr std::size_t kSparseness = 32;
constexpr std::size_t kFewestSlots = 4096;

std::size_t slotsFor(std::size_t rows) {
    std::size_t slots = kFewestSlots;
    while (slots < kSparseness * rows) slots *= 2;
    return slots;
}

}  // namespace

RowTally::RowTally(std::size_t rows) : slots_(slotsFor(rows)), mask_(slots_.size() - 1) {
    keys_.reserve(rows);
    counts_.reserve(rows);
    text_.reserve(32 * rows);
}

std::size_t RowTally::probe(std::string_view wanted, std::uint64_t hash) {
    for (std::size_t at = slotOf(hash);; at = (at + 1) & mask_) {
        const Slot& slot = slots_[at];
        if (slot.hash == 0) break;
        if (slot.hash == hash && same({text_.data() + slot.offset, slot.length}, wanted)) return slot.row;
    }
    const std::size_t row = keys_.size();
    keys_.push_back({text_.size(), wanted.size(), hash});
    text_.append(wanted);
    counts_.emplace_back();
    if (kSparseness * keys_.size() > slots_.size()) grow();
    else place(keys_.back(), row);
    return row;
}

void RowTally::place(const Key& key, std::size_t row) {
    std::size_t at = slotOf(key.hash);
    while (slots_[at].hash != 0) at = (at + 1) & mask_;
    slots_[at] = {key.hash, key.offset, key.length, row};
}

void RowTally::grow() {
    slots_.assign(slotsFor(keys_.size()), Slot{});
    mask_ = slots_.size() - 1;
    for (std::size_t row = 0; row < keys_.size(); ++row) place(keys_[row], row);
}

void RowTally::add(const RowTally& other) {
    for (std::size_t r = 0; r < other.size(); ++r) {
        auto& into = counts(row(other.key(r)));
        const auto& from = other.counts(r);
        for (std::size_t i = 0; i < from.size(); ++i) into[i] += from[i];
    }
}

}  // namespace tandarel::bilan
