#include <gtest/gtest.h>

#include "ui/blink.h"
#include "ui/colour.h"

using tandarel::ui::BlinkSequence;

TEST(Blink, BouncesBetweenYellowAndRed) {
    BlinkSequence blink;
    std::vector<int> shown;
    for (int i = 0; i < 16; ++i) {
        const auto colour = blink.tick();
        shown.push_back(static_cast<int>(
            std::find(BlinkSequence::kColours.begin(), BlinkSequence::kColours.end(), colour) -
            BlinkSequence::kColours.begin()));
    }
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 6, 5, 4, 3, 2, 1, 0, 1, 2}));
}

TEST(Colour, BgrValuesAreBlueGreenRed) {
    EXPECT_EQ(tandarel::ui::bgr(0x00C0FF), QColor(0xFF, 0xC0, 0x00));  // orange
    EXPECT_EQ(tandarel::ui::bgr(0xFF0000), QColor(0, 0, 0xFF));         // blue
    EXPECT_EQ(tandarel::ui::bgr(0xEAFFFF), QColor(0xFF, 0xFF, 0xEA));   // pale yellow
}
