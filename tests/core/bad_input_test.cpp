#include <gtest/gtest.h>

#include "core/file_error.h"
#include "core/reference_files.h"
#include "core/text_file.h"
#include "core/week_file.h"
#include "data_folder.h"

using namespace tandarel;
using tandarel::testing::DataFolder;

// Hand-edited and damaged files: every core reader ends, keeps what it can and never
// reads outside what it was given.
namespace {

struct Damaged {
    const char* name;
    std::string bytes;
};
void PrintTo(const Damaged& d, std::ostream* os) { *os << d.name; }

std::string binaryJunk() {
    std::string junk;
    for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 7919) % 256);
    return junk;
}

std::vector<Damaged> damagedFiles() {
    return {
        {"Empty", ""},
        {"NoSemicolons", "titre\r\nseulement du texte\r\nencore\r\n"},
        {"LfOnly", "Fichier\nA;B;C;D;Oui;\nLUM;;\n"},
        {"NoLastLineEnd", "Fichier\r\nA;B;C;D;Oui;"},
        {"Utf8Bytes", "Fichier des personnels rempla\xC3\xA7" "ants\r\nR\xC3\xA9mi;\xC3\x89" "cole;;;Oui;\r\n"},
        {"BinaryJunk", binaryJunk()},
        {"TenMegabyteLine", "Fichier\r\n" + std::string(10 * 1024 * 1024, 'x') + ";y;\r\n"},
        {"FewerFieldsThanHeader", "a;b;c;d;e;f;g;\r\nNOM;M 1;\r\nE;\r\n\r\n"},
        {"FewerLinesThanABlock", "Remplaçant / Affectation;M/AM;lundi 25 avril 2005;\r\nNOM;M 1;X;\r\nNon-remplacements;M;M\xA4zz;\r\n"},
        {"CountsNotNumbers", "h;h;h;\r\n;M;M\xA4" "abc;\r\n;E;E\xA4-1;\r\n;C;C\xA4" "99999;\r\n;A;\xA4;\r\n"},
    };
}

class BadInput : public ::testing::TestWithParam<Damaged> {};

}  // namespace

TEST_P(BadInput, ReferenceReadersKeepWhatTheyCan) {
    DataFolder folder;
    const auto& damaged = GetParam();
    folder.writeBytes("personnels.pln", damaged.bytes);
    const auto lines = readTextLines(folder / "personnels.pln");

    const auto substitutes = parseSubstitutes(lines);
    EXPECT_EQ(substitutes.size(), lines.empty() ? 0u : lines.size() - 1);
    EXPECT_EQ(parseSchools(lines).size(), lines.empty() ? 0u : lines.size() - 1);
    (void)workedHalfDays(lines.empty() ? std::string() : lines.front());

    // No silent loss: what was read is written back byte for byte (lines re-ended with CR LF).
    writeTextLines(folder / "copie.pln", lines);
    const auto again = readTextLines(folder / "copie.pln");
    EXPECT_EQ(again, lines);
}

TEST_P(BadInput, WeekReaderKeepsTheFileShape) {
    DataFolder folder;
    const Date monday{2005, 4, 25};
    folder.writeBytes("04_05/05_04_25.pln", GetParam().bytes);
    const auto lines = readTextLines(folder / "04_05/05_04_25.pln");
    std::optional<WeekGrid> grid;
    try {
        grid = loadWeek(folder.path(), monday);
    } catch (const FileError& e) {
        EXPECT_TRUE(weekShapeProblem(lines).has_value()) << e.what();
        return;
    }
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->rowCount(), static_cast<int>(lines.size()));
    (void)grid->substituteCount();
    (void)grid->cell(grid->rowCount() - 1, grid->columnCount() - 1);
}

INSTANTIATE_TEST_SUITE_P(Files, BadInput, ::testing::ValuesIn(damagedFiles()),
                         [](const auto& info) { return std::string(info.param.name); });
