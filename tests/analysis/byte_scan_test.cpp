#include <gtest/gtest.h>

#include <bit>
#include <string>
#include <vector>

#include "analysis/byte_scan.h"
#include "core/fields.h"
#include "core/text_file.h"

using namespace tandarel;

namespace {

// Text with its scan padding, as a WeekTable holds it.
struct Padded {
    explicit Padded(std::string text) : size(text.size()), bytes(std::move(text)) {
        bytes.append(scan::kPadding, '\0');
    }
    const char* begin() const { return bytes.data(); }
    const char* end() const { return bytes.data() + size; }
    std::size_t size;
    std::string bytes;
};

std::vector<std::string> fieldsOf(const Padded& text) {
    std::vector<std::string> fields;
    scan::forEachField(text.begin(), text.end(), [&](int index, std::string_view field) {
        EXPECT_EQ(index, static_cast<int>(fields.size()));
        fields.emplace_back(field);
        return true;
    });
    return fields;
}

// Texts whose separators fall on every side of the 64-byte blocks.
std::vector<std::string> boundaryTexts() {
    std::vector<std::string> texts = {"", ";", "\n", "\r\n", "\r", "a", "a;", ";a", "a\r\nb", "a\nb\r\n", ";;;"};
    const std::string pieces[] = {"M¤DURAND;", "HTS;", ";", "\r\n", "\n", "Indisponible;", "x"};
    std::string text;
    for (int i = 0; i < 120; ++i) {
        text += pieces[(i * 7 + i / 3) % 7];
        texts.push_back(text);
    }
    for (const std::size_t at : {62, 63, 64, 65, 127, 128, 129}) {
        texts.push_back(std::string(at, 'a') + ";");
        texts.push_back(std::string(at, 'a') + "\r\n" + "b");
        texts.push_back(std::string(at, ';'));
        texts.push_back(std::string(at, '\n'));
    }
    return texts;
}

TEST(ByteScan, CutsLinesAndFieldsAsTheCoreWalks) {
    for (const auto& text : boundaryTexts()) {
        const Padded padded(text);
        EXPECT_EQ(scan::lines(padded.begin(), padded.end()), splitLines(text)) << text;
        EXPECT_EQ(fieldsOf(padded).size(), countFields(text)) << text;
        if (text.find('\n') == std::string::npos) {
            EXPECT_EQ(fieldsOf(padded), splitFields(text)) << text;
        }
    }
}

TEST(ByteScan, VectorAndPortableMasksAgree) {
    std::string block;
    for (int i = 0; i < 64; ++i) block += "ab;\n\r\xA4"[i * 5 % 6];
    for (const char byte : {';', '\n', '\r', '\xA4', 'z'}) {
        EXPECT_EQ(scan::byteMask64(block.data(), byte), scan::byteMask64Portable(block.data(), byte)) << byte;
        for (int i = 0; i < 64; ++i)
            EXPECT_EQ((scan::byteMask64(block.data(), byte) >> i) & 1, block[static_cast<std::size_t>(i)] == byte ? 1u : 0u);
    }
}

TEST(ByteScan, BitCountIsThePopulationCount) {
    for (const std::uint64_t bits : {0ull, 1ull, 0x8000000000000000ull, ~0ull, 0x0123456789ABCDEFull})
        EXPECT_EQ(scan::bitCount(bits), static_cast<std::size_t>(std::popcount(bits))) << bits;
}

}  // namespace
