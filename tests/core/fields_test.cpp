#include <gtest/gtest.h>

#include "core/fields.h"

using namespace tandarel;

struct FieldCase {
    const char* name;
    const char* line;
    std::vector<std::string> fields;
};
void PrintTo(const FieldCase& c, std::ostream* os) { *os << c.name; }

class FieldWalk : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FieldWalk, CountAndSplitAgree) {
    const auto& c = GetParam();
    EXPECT_EQ(splitFields(c.line), c.fields);
    EXPECT_EQ(countFields(c.line), c.fields.size());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FieldWalk,
    ::testing::Values(FieldCase{"Empty", "", {}}, FieldCase{"OneClosed", "a;", {"a"}},
                      FieldCase{"EmptyFields", ";;;", {"", "", ""}},
                      FieldCase{"WorkingWeek", "LUM;LUAM;MAM;MAAM;MEM;;JEM;JEAM;VEM;VEAM;SAM;;",
                                {"LUM", "LUAM", "MAM", "MAAM", "MEM", "", "JEM", "JEAM", "VEM", "VEAM", "SAM", ""}},
                      FieldCase{"UnclosedLast", "a;b;c", {"a", "b", "c"}},
                      FieldCase{"NoSeparator", "Rattachement", {"Rattachement"}},
                      FieldCase{"Blanks", " a ; ;", {" a ", " "}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Fields, TrimRemovesBlanksAndControls) {
    EXPECT_EQ(trim("  HTS \t"), "HTS");
    EXPECT_EQ(trim("   "), "");
    EXPECT_EQ(trim(" Rémi "), "Rémi");
    EXPECT_TRUE(isBlank(" \t "));
}

TEST(Fields, CharactersCountCodePoints) {
    EXPECT_EQ(characterCount("é¤a"), 3u);
    EXPECT_EQ(characters("M¤Rémi", 2), "Rémi");
    EXPECT_EQ(characters("M¤Rémi", 0, 2), "M¤");
    EXPECT_EQ(characters("ab", 5), "");
}
