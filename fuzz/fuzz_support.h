#pragma once
// What the fuzz targets share: a broken invariant names itself before the abort, and the
// first bytes of an input become the target's small parameters.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "core/calendar.h"

#define FUZZ_CHECK(condition)                                                                          \
    do {                                                                                               \
        if (!(condition)) {                                                                            \
            std::fprintf(stderr, "invariant broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__);  \
            std::abort();                                                                              \
        }                                                                                              \
    } while (0)

namespace tandarel::fuzz {

// Parameter bytes first, then the rest of the input as it is (the file bytes).
class InputBytes {
public:
    InputBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    // 0 once the input is used up, so that short inputs still run.
    std::uint8_t next() { return used_ < size_ ? data_[used_++] : 0; }
    int below(int bound) { return next() % bound; }
    std::string_view rest() {
        const std::string_view r(reinterpret_cast<const char*>(data_) + used_, size_ - used_);
        used_ = size_;
        return r;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t used_ = 0;
};

// Around the week of Monday 25 April 2005, which the seed files hold: the start moves by
// up to 128 days either way, the end lies from 32 days before it to 223 days after it.
inline void periodBounds(InputBytes& input, Date& start, Date& end) {
    start = addDays(Date{2005, 4, 25}, static_cast<std::int8_t>(input.next()));
    end = addDays(start, static_cast<long>(input.next()) - 32);
}

}  // namespace tandarel::fuzz
