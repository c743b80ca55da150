#include <gtest/gtest.h>

#include "core/reference_files.h"

using namespace tandarel;

TEST(Substitutes, RecordFields) {
    struct Case {
        const char* line;
        Substitute expected;
    };
    for (const Case& c : {Case{"A;B;C;D;Oui;", {"A", "B", "C", "D", "Oui"}},
                          Case{"A;B;C;D;;", {"A", "B", "C", "D", ""}},
                          Case{";;;;;", {"", "", "", "", ""}},
                          Case{"A;B;C;D;Non", {"A", "B", "C", "D", "Non"}},  // hand edit: no closing ";"
                          Case{"A;B", {"A", "B", "", "", ""}},
                          Case{"", {"", "", "", "", ""}}}) {
        EXPECT_EQ(parseSubstituteRecord(c.line), c.expected) << c.line;
    }
}

TEST(Substitutes, TitleSkippedAndWrittenBack) {
    const std::vector<std::string> lines = {"n'importe quel titre", "DORSANVAL Rémi;Vernelle;Elém;03;Oui;", ";;;;;"};
    const auto records = parseSubstitutes(lines);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].Nom, "DORSANVAL Rémi");
    const std::vector<std::string> written = {"Fichier des personnels remplaçants", lines[1], lines[2]};
    EXPECT_EQ(formatSubstitutes(records), written);
}

TEST(Schools, TitleOnlyHoldsNoSchool) {
    EXPECT_TRUE(parseSchools({"Fichier des Rattachements"}).empty());
    EXPECT_TRUE(parseSchools({}).empty());
    const std::vector<std::string> schools = {"", "Vernelle - Elém Les Tilleuls"};
    EXPECT_EQ(parseSchools(formatSchools(schools)), schools);
}

TEST(WorkingWeek, LineAndTicks) {
    const std::array<bool, 12> defaults = {true, true, true, true, true, false, true, true, true, true, true, false};
    const std::string line = "LUM;LUAM;MAM;MAAM;MEM;;JEM;JEAM;VEM;VEAM;SAM;;";
    EXPECT_EQ(formatWorkingWeekLine(defaults), line);
    EXPECT_EQ(workedHalfDays(line), defaults);
    const auto slots = parseWorkingWeekLine(line);
    ASSERT_EQ(slots.size(), 12u);
    EXPECT_EQ(slots[5], "");
    EXPECT_TRUE(slotListContains(slots, "MEM"));
    EXPECT_FALSE(slotListContains(slots, "MEAM"));

    EXPECT_EQ(parseWorkingWeekLine(";;;;;;;;;;;;"), WorkingWeekSlots(12, ""));
    // Only the position of a non-blank field counts; blanks do not tick, extra fields are ignored.
    const auto odd = workedHalfDays(";;xyz;   ;;;;;;;;;LUM;");
    EXPECT_TRUE(odd[2]);
    EXPECT_FALSE(odd[3]);
    EXPECT_EQ(std::count(odd.begin(), odd.end(), true), 1);
}
