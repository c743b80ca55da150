#include "analysis/byte_scan.h"

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#include <emmintrin.h>
#define TANDAREL_SCAN_SSE2 1
#endif
// The wider compare is chosen at run time: the program must also start on processors without it.
#if defined(TANDAREL_SCAN_SSE2) && defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#define TANDAREL_SCAN_AVX2 1
#endif

namespace tandarel::scan {
namespace {

void maskPortable(const char* begin, std::size_t blocks, std::uint64_t* semicolons, std::uint64_t* newlines) {
    for (std::size_t block = 0; block < blocks; ++block) {
        const char* bytes = begin + 64 * block;
        std::uint64_t semicolon = 0, newline = 0;
        for (unsigned i = 0; i < 64; ++i) {
            semicolon |= static_cast<std::uint64_t>(bytes[i] == ';') << i;
            newline |= static_cast<std::uint64_t>(bytes[i] == '\n') << i;
        }
        semicolons[block] = semicolon;
        newlines[block] = newline;
    }
}

#ifdef TANDAREL_SCAN_SSE2
void maskSse2(const char* begin, std::size_t blocks, std::uint64_t* semicolons, std::uint64_t* newlines) {
    const __m128i semicolon = _mm_set1_epi8(';'), newline = _mm_set1_epi8('\n');
    for (std::size_t block = 0; block < blocks; ++block) {
        std::uint64_t inSemicolons = 0, inNewlines = 0;
        for (unsigned part = 0; part < 4; ++part) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(begin + 64 * block + 16 * part));
            inSemicolons |= std::uint64_t{static_cast<std::uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, semicolon)))}
                            << (16 * part);
            inNewlines |= std::uint64_t{static_cast<std::uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, newline)))}
                          << (16 * part);
        }
        semicolons[block] = inSemicolons;
        newlines[block] = inNewlines;
    }
}
#endif

#ifdef TANDAREL_SCAN_AVX2
__attribute__((target("avx2"))) void maskAvx2(const char* begin, std::size_t blocks, std::uint64_t* semicolons,
                                              std::uint64_t* newlines) {
    const __m256i semicolon = _mm256_set1_epi8(';'), newline = _mm256_set1_epi8('\n');
    for (std::size_t block = 0; block < blocks; ++block) {
        const char* bytes = begin + 64 * block;
        const __m256i low = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes));
        const __m256i high = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes + 32));
        semicolons[block] = std::uint64_t{static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(low, semicolon)))} |
                            std::uint64_t{static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(high, semicolon)))} << 32;
        newlines[block] = std::uint64_t{static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(low, newline)))} |
                          std::uint64_t{static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(high, newline)))} << 32;
    }
}
#endif

VectorWidth findWidest() {
#ifdef TANDAREL_SCAN_AVX2
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx2")) return VectorWidth::Avx2;
#endif
#ifdef TANDAREL_SCAN_SSE2
    return VectorWidth::Sse2;
#else
    return VectorWidth::None;
#endif
}

// Asked of the processor once.
VectorWidth widest() {
    static const VectorWidth width = findWidest();
    return width;
}

}  // namespace

bool canUse(VectorWidth width) { return width <= widest(); }

void maskSeparatorsWith(VectorWidth width, const char* begin, std::size_t blocks, std::uint64_t* semicolons,
                        std::uint64_t* newlines) {
    switch (width) {
#ifdef TANDAREL_SCAN_AVX2
        case VectorWidth::Avx2: maskAvx2(begin, blocks, semicolons, newlines); return;
#endif
#ifdef TANDAREL_SCAN_SSE2
        case VectorWidth::Sse2: maskSse2(begin, blocks, semicolons, newlines); return;
#endif
        default: maskPortable(begin, blocks, semicolons, newlines); return;
    }
}

void maskSeparators(const char* begin, std::size_t blocks, std::uint64_t* semicolons, std::uint64_t* newlines) {
    maskSeparatorsWith(widest(), begin, blocks, semicolons, newlines);
}

}  // namespace tandarel::scan
