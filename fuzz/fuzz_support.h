#pragma once
// What the fuzz targets share: a broken invariant names itself before the abort, the
// first bytes of an input become the target's small parameters, and a week file that
// a rule reads from disk goes to one scratch file.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>

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

// The one scratch file of this process, removed at exit (never destroyed before that).
inline const std::filesystem::path& scratchFile() {
    static const auto* const file = [] {
        const auto folder = std::filesystem::temp_directory_path() / ("tandarel-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        auto* path = new std::filesystem::path(folder / "05_04_25.pln");
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(scratchFile().parent_path(), ec);
        });
        return path;
    }();
    return *file;
}

inline const std::filesystem::path& writeScratch(std::string_view bytes) {
    const auto& file = scratchFile();
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    FUZZ_CHECK(out.good());
    return file;
}

}  // namespace tandarel::fuzz
