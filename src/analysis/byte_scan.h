#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#include <emmintrin.h>
#define TANDAREL_SCAN_SSE2 1
#endif

// Finding the ";" and line ends of a week file a block of 64 bytes at a time, as a bit
// mask. A year of files is a few megabytes of short cells: stopping at every cell to
// look for its end costs a mispredicted branch per cell, which is most of the time of an
// analysis; going through the bits of a mask does not.
namespace tandarel::scan {

// Bytes that must be readable after the last byte scanned: a block starting before the
// end reads up to 63 bytes past it.
inline constexpr std::size_t kPadding = 64;

// Bit i set when block[i] == byte, for the 64 bytes at block: the plain loop, for any processor.
inline std::uint64_t byteMask64Portable(const char* block, char byte) {
    std::uint64_t mask = 0;
    for (int i = 0; i < 64; ++i) mask |= static_cast<std::uint64_t>(block[i] == byte) << i;
    return mask;
}

// The same, with the processor's vector compare where it has one.
inline std::uint64_t byteMask64(const char* block, char byte) {
#ifdef TANDAREL_SCAN_SSE2
    const __m128i wanted = _mm_set1_epi8(byte);
    std::uint64_t mask = 0;
    for (int part = 0; part < 4; ++part) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * part));
        const auto bits = static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, wanted)));
        mask |= static_cast<std::uint64_t>(bits) << (16 * part);
    }
    return mask;
#else
    return byteMask64Portable(block, byte);
#endif
}

// std::popcount, without a library call on processors that may lack the instruction.
inline std::size_t bitCount(std::uint64_t bits) {
#if defined(__POPCNT__) || defined(__aarch64__)
    return static_cast<std::size_t>(std::popcount(bits));
#else
    bits -= (bits >> 1) & 0x5555555555555555ull;
    bits = (bits & 0x3333333333333333ull) + ((bits >> 2) & 0x3333333333333333ull);
    bits = (bits + (bits >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return static_cast<std::size_t>((bits * 0x0101010101010101ull) >> 56);
#endif
}

// Calls `take(index, field)` for each ";"-separated field of [begin, end) (an unclosed
// last field included) until it returns false. kPadding bytes after end must be readable.
template <typename Take>
void forEachField(const char* begin, const char* end, Take&& take) {
    const char* start = begin;
    int index = 0;
    for (const char* block = begin; block < end; block += 64) {
        std::uint64_t bits = byteMask64(block, ';');
        if (const auto left = end - block; left < 64) bits &= (std::uint64_t{1} << left) - 1;
        while (bits != 0) {
            const char* separator = block + std::countr_zero(bits);
            bits &= bits - 1;
            if (!take(index++, std::string_view(start, static_cast<std::size_t>(separator - start)))) return;
            start = separator + 1;
        }
    }
    if (start < end) take(index, std::string_view(start, static_cast<std::size_t>(end - start)));
}

// The lines of [begin, end), without their CR LF or LF, a last line without its end
// included, as splitLines cuts them. kPadding bytes after end must be readable. The line
// ends are counted first, then written out four a block without a branch per line: lines
// of every length follow one another, and a loop over the ends of each block would
// mispredict its exit once a line.
inline std::vector<std::string_view> lines(const char* begin, const char* end) {
    const auto size = static_cast<std::size_t>(end - begin);
    auto lineEnds = [&](std::size_t offset) {
        std::uint64_t bits = byteMask64(begin + offset, '\n');
        if (const auto left = size - offset; left < 64) bits &= (std::uint64_t{1} << left) - 1;
        return bits;
    };
    std::size_t count = 0;
    for (std::size_t offset = 0; offset < size; offset += 64) count += bitCount(lineEnds(offset));
    std::vector<std::size_t> ends(count + 4);
    std::size_t written = 0;
    for (std::size_t offset = 0; offset < size; offset += 64) {
        std::uint64_t bits = lineEnds(offset);
        std::size_t* out = ends.data() + written;
        const auto found = bitCount(bits);
        written += found;
        // Past the block's last end the slots get offset + 64: overwritten by the next block.
        for (std::size_t i = 0; i < 4; ++i) {
            out[i] = offset + static_cast<std::size_t>(std::countr_zero(bits));
            bits &= bits - 1;
        }
        for (std::size_t i = 4; i < found; ++i) {
            out[i] = offset + static_cast<std::size_t>(std::countr_zero(bits));
            bits &= bits - 1;
        }
    }
    std::vector<std::string_view> result;
    result.reserve(count + 1);
    std::size_t start = 0;
    for (std::size_t i = 0; i < count; ++i) {
        std::size_t length = ends[i] - start;
        if (length > 0 && begin[ends[i] - 1] == '\r') --length;
        result.emplace_back(begin + start, length);
        start = ends[i] + 1;
    }
    if (start < size) result.emplace_back(begin + start, size - start);
    return result;
}

// The bytes at p as a number, to compare short codes in one instruction.
template <typename Word>
Word load(const char* p) {
    Word word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

}  // namespace tandarel::scan
