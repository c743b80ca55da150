#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "analysis/byte_scan.h"
#include "analysis/replacement_analysis.h"
#include "core/fields.h"
#include "core/week_layout.h"

// Where a motif line's cell goes, as an index into MotifCounts::counts, kHtsSlot for
// "HTS" and kUnavailableSlot for "Indisponible". Inline: the analyses ask it of every
// motif cell of a year, in their own loops, and a call per cell would cost as much as
// the test. Written without data-dependent branches: motifs follow one another at
// random, and a mispredicted branch per cell costs more than the whole test.
namespace tandarel::motif {

// The slot of a cell by what it is (cellKind), then whether its second byte is the motif
// marker, then its first byte: every outcome of the tests is a place in one table, and
// the slot is one read of it.
inline constexpr std::size_t kPlain = 0, kHtsCell = 1, kUnavailableCell = 2, kEmptyCell = 3;
struct SlotTable {
    std::array<std::uint8_t, 4 * 512> slot{};
    constexpr SlotTable() {
        auto fill = [&](std::size_t kind, std::size_t value) {
            for (std::size_t i = 0; i < 512; ++i) slot[512 * kind + i] = static_cast<std::uint8_t>(value);
        };
        fill(kPlain, static_cast<std::size_t>(Category::Inconnu));
        fill(kHtsCell, kHtsSlot);
        fill(kUnavailableCell, kUnavailableSlot);
        fill(kEmptyCell, static_cast<std::size_t>(Category::MiseADisposition));
        slot[256 + kIllnessLetter] = static_cast<std::uint8_t>(Category::Maladie);
        slot[256 + kTeamLetter] = static_cast<std::uint8_t>(Category::Equipe);
        slot[256 + kPersonalLetter] = static_cast<std::uint8_t>(Category::ConvPerso);
        slot[256 + kOtherLetter] = static_cast<std::uint8_t>(Category::Autre);
    }
};
inline constexpr SlotTable kSlots;

// The word a load of the first bytes of a text gives, whatever the byte order; the bytes
// past its end read as 0. Known when compiling, so that a cell's tests compare with
// numbers in the instructions themselves.
template <typename Word>
constexpr Word wordOf(std::string_view text) {
    std::array<char, sizeof(Word)> bytes{};
    for (std::size_t i = 0; i < bytes.size() && i < text.size(); ++i) bytes[i] = text[i];
    return std::bit_cast<Word>(bytes);
}

// "HTS" and "Indisponible" as the words a load of their stored bytes gives: "HTS" in one
// word, its bytes kept by a mask; "Indisponible" as its first 8 bytes and its last 4.
static_assert(kOutOfSchoolTime.size() <= 4 && kUnavailable.size() > 8 && kUnavailable.size() <= 12);
inline constexpr std::uint32_t kHtsMask = wordOf<std::uint32_t>(std::string_view("\xFF\xFF\xFF\xFF", kOutOfSchoolTime.size()));
inline constexpr std::uint32_t kHts = wordOf<std::uint32_t>(kOutOfSchoolTime);
inline constexpr std::uint64_t kUnavailableHead = wordOf<std::uint64_t>(kUnavailable);
inline constexpr std::size_t kUnavailableTailAt = kUnavailable.size() - 4;
inline constexpr std::uint32_t kUnavailableTail = wordOf<std::uint32_t>(kUnavailable.substr(kUnavailableTailAt));

// What a cell is: kHtsCell for "HTS", kUnavailableCell for "Indisponible", kEmptyCell,
// kPlain for any other. `stored` is a cell of a WeekTable: the bytes after it can be
// read (scan::kPadding), so the words are compared whole, and the tests are combined
// without a branch on the cell.
inline std::size_t cellKind(std::string_view stored) {
    const std::size_t n = stored.size();
    const char* p = stored.data();
    // Tests as numbers, combined with & and |: with && and ||, a branch each.
    auto bit = [](bool test) { return static_cast<std::size_t>(test); };
    const std::size_t hts =
        bit(n == kOutOfSchoolTime.size()) & bit((scan::load<std::uint32_t>(p) & kHtsMask) == kHts);
    const std::size_t unavailable = bit(n == kUnavailable.size()) &
                                    bit(scan::load<std::uint64_t>(p) == kUnavailableHead) &
                                    bit(scan::load<std::uint32_t>(p + kUnavailableTailAt) == kUnavailableTail);
    // At most one of the three holds.
    return hts * kHtsCell | unavailable * kUnavailableCell | bit(n == 0) * kEmptyCell;
}

// The byte after a cell shorter than 2 is its ";" or a line end, never the marker.
inline std::size_t slotOf(std::string_view stored) {
    const char* p = stored.data();
    const std::size_t marked = p[1] == kStoredMotifMarker;
    return kSlots.slot[512 * cellKind(stored) + 256 * marked + static_cast<unsigned char>(p[0])];
}

// Blanks around a code are rare (hand edits), and leave it unknown: only then is the
// cell trimmed.
inline std::size_t countedSlot(std::string_view cell) {
    std::size_t slot = slotOf(cell);
    if (slot == static_cast<std::size_t>(Category::Inconnu)) [[unlikely]]
        slot = slotOf(trimmed(cell));
    return slot;
}

}  // namespace tandarel::motif
