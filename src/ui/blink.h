#pragma once

#include <array>
#include <cstdint>

namespace tandarel::ui {

// The yellow-to-red blinking of the date panels: one step a second, bouncing between
// the two ends, which are each shown once per turn (1, 2, ..., 7, 6, ..., 0, 1, ...).
class BlinkSequence {
public:
    static constexpr std::array<std::uint32_t, 8> kColours = {0x00FFFF, 0x00E8FF, 0x00D5FF, 0x00C0FF,
                                                              0x00AFFF, 0x008CFF, 0x0066FF, 0x0000FF};

    void restart() {
        index_ = 1;
        rising_ = true;
    }
    // The colour (0xBBGGRR) for this tick; then one step on.
    std::uint32_t tick() {
        const auto colour = kColours[static_cast<std::size_t>(index_)];
        index_ += rising_ ? 1 : -1;
        if (index_ == 8) {
            index_ = 6;
            rising_ = false;
        } else if (index_ == -1) {
            index_ = 1;
            rising_ = true;
        }
        return colour;
    }
    int index() const { return index_; }

private:
    int index_ = 1;
    bool rising_ = true;
};

}  // namespace tandarel::ui
