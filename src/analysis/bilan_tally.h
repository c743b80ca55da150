#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/byte_scan.h"
#include "analysis/replacement_analysis.h"

namespace tandarel::bilan {

// Quarter-days by motif-line slot (motif::countedSlot).
using SlotCounts = std::array<long, kMotifSlotCount>;

// The rows met in the files, by key, with their counts. A school or a teacher is looked
// up for each of its cells (a year is a million of them): the keys sit end to end in one
// text, found through a table of their hashes kept so sparse that a key almost always
// has its first slot to itself. A lookup is then one slot read and one compare, with no
// probing loop to mispredict, and the slot holds where the key's text is, so that the
// compare waits on no other read.
class RowTally {
public:
    RowTally() : RowTally(0) {}
    // Room for `rows` keys, made at once rather than grown.
    explicit RowTally(std::size_t rows);

    // The row of a key; a new row, counting nothing, for a key not met before.
    std::size_t row(std::string_view wanted) {
        const std::uint64_t hash = hashOf(wanted);
        const Slot& first = slots_[slotOf(hash)];
        if (first.hash == hash && same({text_.data() + first.offset, first.length}, wanted)) [[likely]]
            return first.row;
        return probe(wanted, hash);
    }
    SlotCounts& counts(std::size_t row) { return counts_[row]; }

    std::size_t size() const { return keys_.size(); }
    std::string_view key(std::size_t row) const { return {text_.data() + keys_[row].offset, keys_[row].length}; }
    const SlotCounts& counts(std::size_t row) const { return counts_[row]; }

    // Every row of `other` added to this one's of the same key.
    void add(const RowTally& other);

private:
    // A free slot has hash 0, which hashOf never gives.
    struct Slot {
        std::uint64_t hash = 0;
        std::size_t offset = 0;
        std::size_t length = 0;
        std::size_t row = 0;
    };
    struct Key {
        std::size_t offset;
        std::size_t length;
        std::uint64_t hash;
    };

    static std::uint64_t word(const char* p) { return scan::load<std::uint64_t>(p); }
    // Names of people and schools differ mostly at their ends: the first and last eight
    // bytes (or four, or three) and the length make the hash, two products wide.
    static std::uint64_t hashOf(std::string_view key) {
        const std::size_t n = key.size();
        const char* p = key.data();
        std::uint64_t a = 0, b = 0;
        if (n >= 8) {
            a = word(p);
            b = word(p + n - 8);
        } else if (n >= 4) {
            a = scan::load<std::uint32_t>(p);
            b = scan::load<std::uint32_t>(p + n - 4);
        } else if (n > 0) {
            a = static_cast<unsigned char>(p[0]) | std::uint64_t{static_cast<unsigned char>(p[n / 2])} << 8 |
                std::uint64_t{static_cast<unsigned char>(p[n - 1])} << 16;
        }
        return ((a * 0x9E3779B97F4A7C15u) ^ ((b ^ n) * 0xC2B2AE3D27D4EB4Fu)) | 1;
    }
    // The high bits of the hash: those the products mix best.
    std::size_t slotOf(std::uint64_t hash) const { return static_cast<std::size_t>(hash >> 40) & mask_; }
    // Equal keys, compared eight bytes at a time, the last eight overlapping the others.
    // Names up to 64 bytes take a fixed number of words (two for most teachers' names, of
    // up to 16 bytes): a loop of their length would mispredict its end, names of every
    // length following one another.
    static bool same(std::string_view a, std::string_view b) {
        const std::size_t n = a.size();
        if (n != b.size()) return false;
        if (n < 8) return a == b;
        auto differ = [&](std::size_t words) {
            std::uint64_t bits = 0;
            for (std::size_t i = 0; i < words; ++i) {
                const std::size_t at = std::min(8 * i, n - 8);
                bits |= word(a.data() + at) ^ word(b.data() + at);
            }
            return bits;
        };
        if (n <= 16) return differ(2) == 0;
        if (n <= 32) return differ(4) == 0;
        if (n <= 64) return differ(8) == 0;
        return differ((n + 7) / 8) == 0;
    }
    // The key past its first slot, or a new one.
    std::size_t probe(std::string_view wanted, std::uint64_t hash);
    void place(const Key& key, std::size_t row);
    void grow();

    std::string text_;
    std::vector<Key> keys_;
    std::vector<SlotCounts> counts_;
    std::vector<Slot> slots_;
    std::size_t mask_ = 0;
};

}  // namespace tandarel::bilan
