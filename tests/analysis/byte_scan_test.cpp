#include <gtest/gtest.h>

#include <cstdint>
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

// Texts whose separators fall on every side of the 64-byte blocks.
std::vector<std::string> boundaryTexts() {
    std::vector<std::string> texts = {"", ";", "\n", "\r\n", "\r", "a", "a;", ";a", "a\r\nb", "a\nb\r\n", ";;;"};
    const std::string pieces[] = {"M¤DURAND;", "HTS;", ";", "\r\n", "\n", "Indisponible;", "x"};
    std::string text;
    for (int i = 0; i < 120; ++i) {
        text += pieces[(i * 7 + i / 3) % 7];
        texts.push_back(text);
    }
    for (const std::size_t at : {62, 63, 64, 65, 127, 128, 129, 191, 192, 300}) {
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
        const auto index = scan::indexSeparators(padded.begin(), padded.end());
        ASSERT_EQ(index.lines, splitLines(text)) << text;
        for (const auto line : index.lines) {
            const auto expected = splitFields(line);
            scan::LineFields fields(padded.begin(), index.semicolons, line);
            for (const auto& field : expected) EXPECT_EQ(fields.next(), field) << text;
            // Past the last field: empty fields at the line's end, as often as asked.
            for (int i = 0; i < 3; ++i) {
                const auto missing = fields.next();
                EXPECT_TRUE(missing.empty()) << text;
                EXPECT_EQ(missing.data(), line.data() + line.size()) << text;
            }
        }
    }
}

TEST(ByteScan, SkippedFieldsAreThoseBeforeTheNextOne) {
    // The last line's first fields reach past its first 64 bytes, where passing a field over is no
    // longer clearing a bit of the same word.
    const Padded padded("a;bb;;c\r\nd;e;\r\n;\r\n" + std::string(70, 'x') + ";" + std::string(60, 'y') + ";z;");
    const auto index = scan::indexSeparators(padded.begin(), padded.end());
    ASSERT_EQ(index.lines.size(), 4u);
    const struct {
        std::size_t line;
        int skipped;
        std::string_view next;
    } cases[] = {{0, 0, "a"}, {0, 1, "bb"}, {0, 2, ""}, {0, 3, "c"}, {0, 4, ""}, {0, 9, ""},
                 {1, 1, "e"}, {1, 2, ""},   {2, 0, ""}, {2, 1, ""}, {3, 2, "z"}, {3, 3, ""},
                 {3, 1, std::string_view("yyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyy")}};
    for (const auto& c : cases) {
        const auto line = index.lines[c.line];
        scan::LineFields fields(padded.begin(), index.semicolons, line);
        fields.skip(c.skipped);
        const auto field = fields.next();
        EXPECT_EQ(field, c.next) << c.line << " " << c.skipped;
        EXPECT_GE(field.data(), line.data()) << c.line << " " << c.skipped;
        EXPECT_LE(field.data() + field.size(), line.data() + line.size()) << c.line << " " << c.skipped;
    }
}

TEST(ByteScan, SemicolonsComeInOrderThenPastTheText) {
    for (const auto& text : boundaryTexts()) {
        const Padded padded(text);
        const auto index = scan::indexSeparators(padded.begin(), padded.end());
        for (std::size_t from = 0; from <= text.size() + 1; from += 1 + from / 8) {
            scan::Semicolons semicolons(index.semicolons, from);
            for (std::size_t at = text.find(';', from); at != std::string::npos; at = text.find(';', at + 1))
                ASSERT_EQ(semicolons.next(), at) << text << " " << from;
            // Any number of calls past the last one, without reading beyond the index.
            for (int i = 0; i < 300; ++i) ASSERT_GE(semicolons.next(), text.size()) << text << " " << from;
        }
    }
}

TEST(ByteScan, VectorWidthsAgree) {
    std::string bytes;
    for (int i = 0; i < 64 * 5; ++i) bytes += "ab;\n\r\xA4;"[i * 5 % 7];
    std::vector<std::uint64_t> semicolons(5), newlines(5);
    scan::maskSeparatorsWith(scan::VectorWidth::None, bytes.data(), 5, semicolons.data(), newlines.data());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        EXPECT_EQ((semicolons[i / 64] >> (i % 64)) & 1, bytes[i] == ';' ? 1u : 0u) << i;
        EXPECT_EQ((newlines[i / 64] >> (i % 64)) & 1, bytes[i] == '\n' ? 1u : 0u) << i;
    }
    for (const auto width : {scan::VectorWidth::Sse2, scan::VectorWidth::Avx2}) {
        if (!scan::canUse(width)) continue;
        std::vector<std::uint64_t> wideSemicolons(5), wideNewlines(5);
        scan::maskSeparatorsWith(width, bytes.data(), 5, wideSemicolons.data(), wideNewlines.data());
        EXPECT_EQ(wideSemicolons, semicolons) << static_cast<int>(width);
        EXPECT_EQ(wideNewlines, newlines) << static_cast<int>(width);
    }
}

}  // namespace
