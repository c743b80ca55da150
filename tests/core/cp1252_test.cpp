#include <gtest/gtest.h>

#include "core/cp1252.h"

using namespace tandarel;

TEST(Cp1252, EveryByteRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const auto utf8 = decodeCp1252(all);
    const auto back = encodeCp1252(utf8);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

TEST(Cp1252, KnownCharacters) {
    struct Case {
        unsigned char byte;
        const char* utf8;
    };
    for (const Case& c : {Case{0xE9, "é"}, Case{0xA4, "¤"}, Case{0x80, "€"}, Case{0x9C, "œ"}, Case{0xC9, "É"},
                          Case{0x81, "\xC2\x81"}, Case{0x9D, "\xC2\x9D"}}) {
        EXPECT_EQ(decodeCp1252(std::string(1, static_cast<char>(c.byte))), c.utf8) << int(c.byte);
        EXPECT_EQ(encodeCp1252(c.utf8), std::string(1, static_cast<char>(c.byte))) << c.utf8;
    }
}

TEST(Cp1252, RefusesWhatItCannotStore) {
    for (const char* text : {"日本", "a\xE2\x82\xAC\xF0\x9F\x98\x80", "\xC3", "\xFF"}) {
        EXPECT_FALSE(encodeCp1252(text).has_value()) << text;
        EXPECT_TRUE(firstUnstorableCharacter(text).has_value()) << text;
    }
    EXPECT_FALSE(firstUnstorableCharacter("Elémentaire Pradoux ¤ € œ").has_value());
}
