#include "analysis/bilan_tally.h"

#include <cstring>

namespace tandarel::bilan {
namespace {

// Keys are short texts (names of people and schools): eight bytes at a time, each mixed in.
std::uint64_t hashOf(std::string_view key) {
    constexpr std::uint64_t kMix = 0x9E3779B97F4A7C15u;
    std::uint64_t hash = key.size() * kMix;
    std::size_t i = 0;
    auto mix = [&](std::uint64_t word) {
        hash = (hash ^ word) * kMix;
        hash ^= hash >> 29;
    };
    for (; i + 8 <= key.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, key.data() + i, 8);
        mix(word);
    }
    std::uint64_t tail = 0;
    if (i < key.size()) std::memcpy(&tail, key.data() + i, key.size() - i);
    mix(tail);
    return hash;
}

}  // namespace

std::size_t RowTally::row(std::string_view key) {
    if (last_ < keys_.size() && keys_[last_] == key) return last_;
    if (2 * (keys_.size() + 1) > slots_.size()) grow();
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = hashOf(key) & mask;; slot = (slot + 1) & mask) {
        const std::uint32_t taken = slots_[slot];
        if (taken == 0) {
            keys_.emplace_back(key);
            counts_.emplace_back();
            slots_[slot] = static_cast<std::uint32_t>(keys_.size());
            return last_ = keys_.size() - 1;
        }
        if (keys_[taken - 1] == key) return last_ = taken - 1;
    }
}

void RowTally::grow() {
    slots_.assign(slots_.empty() ? 64 : 2 * slots_.size(), 0);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t row = 0; row < keys_.size(); ++row) {
        std::size_t slot = hashOf(keys_[row]) & mask;
        while (slots_[slot] != 0) slot = (slot + 1) & mask;
        slots_[slot] = static_cast<std::uint32_t>(row + 1);
    }
}

void RowTally::add(const RowTally& other) {
    for (std::size_t r = 0; r < other.size(); ++r) {
        auto& into = counts(row(other.key(r)));
        const auto& from = other.counts(r);
        for (std::size_t i = 0; i < from.size(); ++i) into[i] += from[i];
    }
}

}  // namespace tandarel::bilan
