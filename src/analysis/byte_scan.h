#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

// Finding the ";" and line ends of a week file a block of 64 bytes at a time, as bit
// masks. A year of files is a few megabytes of short cells: stopping at every byte, or
// running a loop over the separators of each block, costs a mispredicted branch per
// cell or line, which would be most of the time of an analysis.
namespace tandarel::scan {

// Bytes that must be readable after the last byte scanned: a block starting before the
// end reads up to 63 bytes past it.
inline constexpr std::size_t kPadding = 64;

// The lowest set bit of a word, any number from 0 to 63 for a word of none: where that
// answer is never used, the test for a word of none (a branch on processors without a
// count instruction of their own) is left out.
inline std::size_t lowestBit(std::uint64_t bits) {
    return static_cast<std::size_t>(std::countr_zero(bits | (std::uint64_t{1} << 63)));
}

// The kinds of byte compare the processor may offer, narrowest first.
enum class VectorWidth { None, Sse2, Avx2 };
// Whether this build can use it on this processor.
bool canUse(VectorWidth width);

// Bit i of semicolons[b] set when byte 64b + i from `begin` is ";", and of newlines[b]
// when it is a line end, for `blocks` blocks of 64 bytes; with the widest compare the
// processor has (a year of files is a few megabytes, each byte compared twice).
void maskSeparators(const char* begin, std::size_t blocks, std::uint64_t* semicolons, std::uint64_t* newlines);
// The same with a given compare, one that canUse allows.
void maskSeparatorsWith(VectorWidth width, const char* begin, std::size_t blocks, std::uint64_t* semicolons,
                        std::uint64_t* newlines);

// The ";" of a text as bits, a word per 64 bytes, and its lines: each byte of the text
// is compared once, and the fields of a line are then found from the bits without
// reading its bytes again.
struct SeparatorIndex {
    // Bit i of word w is set when byte 64w + i is ";"; three last words have every bit
    // set, so that a search for the next ";" always ends (at or past the end of the text).
    std::vector<std::uint64_t> semicolons;
    // Without their CR LF or LF, a last line without its end included, as splitLines cuts them.
    std::vector<std::string_view> lines;
};

// kPadding bytes after end must be readable. The line ends of a block are written out
// without a branch per line: lines of every length follow one another, and a loop over
// the ends of each block would mispredict its exit once a line.
inline SeparatorIndex indexSeparators(const char* begin, const char* end) {
    const auto size = static_cast<std::size_t>(end - begin);
    const std::size_t blocks = (size + 63) / 64;
    SeparatorIndex index;
    index.semicolons.resize(blocks + 3);
    // The room below is written before it is read: none of it is cleared first (a file is
    // a few dozen kilobytes, and so would be the clearing).
    auto newlines = std::make_unique_for_overwrite<std::uint64_t[]>(blocks);
    maskSeparators(begin, blocks, index.semicolons.data(), newlines.get());
    if (const std::size_t left = size % 64; left != 0) {
        // The last block's bytes past the text are not separators.
        const std::uint64_t keep = (std::uint64_t{1} << left) - 1;
        index.semicolons[blocks - 1] &= keep;
        newlines[blocks - 1] &= keep;
    }
    // Week lines are some 80 bytes long; a file of shorter ones grows the room.
    std::size_t room = size / 32 + 128;
    auto ends = std::make_unique_for_overwrite<std::size_t[]>(room);
    std::size_t written = 0;
    for (std::size_t block = 0; block < blocks; ++block) {
        std::uint64_t bits = newlines[block];
        if (room < written + 64) [[unlikely]] {
            auto more = std::make_unique_for_overwrite<std::size_t[]>(2 * room);
            std::copy(ends.get(), ends.get() + written, more.get());
            ends = std::move(more);
            room *= 2;
        }
        // Most week lines are longer than 32 bytes: two slots are written whatever the
        // block holds, and past its last end they get an offset in the block, overwritten
        // by the next block. Counting as they go needs no population count, which baseline
        // x86-64 lacks.
        std::size_t* out = ends.get() + written;
        for (std::size_t i = 0; i < 2; ++i) {
            out[i] = 64 * block + lowestBit(bits);
            written += bits != 0;
            bits &= bits - 1;
        }
        while (bits != 0) [[unlikely]] {
            ends[written++] = 64 * block + lowestBit(bits);
            bits &= bits - 1;
        }
    }
    std::fill(index.semicolons.begin() + static_cast<std::ptrdiff_t>(blocks), index.semicolons.end(), ~std::uint64_t{0});
    index.lines.reserve(written + 1);
    std::size_t start = 0;
    for (std::size_t i = 0; i < written; ++i) {
        // Without a branch: a line's CR is there or not, file by file and line by line. An
        // empty line reads its own LF.
        std::size_t length = ends[i] - start;
        length -= begin[ends[i] - (length != 0)] == '\r';
        index.lines.emplace_back(begin + start, length);
        start = ends[i] + 1;
    }
    if (start < size) index.lines.emplace_back(begin + start, size - start);
    return index;
}

// The ";" after an offset of an indexed text, one after the other, from a window of the
// 128 bits that follow the offset. Finding the next one clears a bit of the window: one
// field does not wait, as a search from its start would, for the end of the previous one.
class Semicolons {
public:
    // `semicolons` is SeparatorIndex::semicolons; `from` at most one past the end of the text.
    Semicolons(std::span<const std::uint64_t> semicolons, std::size_t from)
        : semicolons_(semicolons.data()), last_(64 * (semicolons.size() - 3)) {
        fill(from);
    }

    // The offset of the next ";", or an offset at or past the end of the text when there is none.
    std::size_t next() {
        while ((low_ | high_) == 0) [[unlikely]]
            fill(base_ + 128);
        // The choice between the two halves by mask: most week lines are longer than 64 bytes.
        // The half not chosen may be empty.
        const std::uint64_t inLow = std::uint64_t{0} - static_cast<std::uint64_t>(low_ != 0);
        const std::size_t fromLow = lowestBit(low_);
        const std::size_t fromHigh = 64 + lowestBit(high_);
        const std::size_t offset = base_ + (fromHigh ^ ((fromHigh ^ fromLow) & inLow));
        high_ &= (high_ - 1) | inLow;
        low_ &= low_ - 1;
        return offset;
    }

    // The offset of the count-th next ";" (count at least 1), those before it passed over.
    // The first fields of a line are short: their ";" are nearly always in the window's
    // low half, where passing one over is clearing a bit.
    std::size_t skip(int count) {
        std::uint64_t low = low_;
        for (int i = 1; i < count; ++i) low &= low - 1;
        if (low != 0) [[likely]] {
            low_ = low;
            return next();
        }
        for (int i = 1; i < count; ++i) next();
        return next();
    }

private:
    void fill(std::size_t from) {
        // Past the text the window stays on the words of set bits: no read beyond them.
        from = std::min(from, last_);
        const std::size_t word = from / 64;
        const unsigned shift = from % 64;
        // (x << 1) << (63 - shift) is x << (64 - shift), also when shift is 0.
        auto join = [&](std::size_t w) {
            return (semicolons_[w] >> shift) | ((semicolons_[w + 1] << 1) << (63 - shift));
        };
        base_ = from;
        low_ = join(word);
        high_ = join(word + 1);
    }

    const std::uint64_t* semicolons_;
    std::size_t last_;  // the first offset of the words of set bits
    std::size_t base_ = 0;
    std::uint64_t low_ = 0;
    std::uint64_t high_ = 0;
};

// The fields of one line of an indexed text, one after the other. Past the line's last
// field every field reads as empty, at the line's end: a line cut short by a hand edit
// holds empty cells, and the bytes after any field given out can be read.
class LineFields {
public:
    LineFields(const char* text, std::span<const std::uint64_t> semicolons, std::string_view line)
        : text_(text), start_(static_cast<std::size_t>(line.data() - text)), end_(start_ + line.size()),
          semicolons_(semicolons, start_) {}

    std::string_view next() {
        const std::size_t separator = semicolons_.next();
        const std::size_t first = std::min(start_, end_);
        const std::string_view field(text_ + first, std::min(separator, end_) - first);
        start_ = separator + 1;
        return field;
    }
    void skip(int fields) {
        if (fields > 0) start_ = semicolons_.skip(fields) + 1;
    }

private:
    const char* text_;
    std::size_t start_;
    std::size_t end_;
    Semicolons semicolons_;
};

// The bytes at p as a number, to compare short codes in one instruction.
template <typename Word>
Word load(const char* p) {
    Word word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

}  // namespace tandarel::scan
