#include <gtest/gtest.h>

#include "core/week_layout.h"

using namespace tandarel;

TEST(WeekLayout, MarkedCells) {
    struct Case {
        const char* cell;
        bool marked;
        const char* letter;
        const char* rest;
    };
    for (const Case& c : {Case{"M¤DUPONT", true, "M", "DUPONT"}, Case{"E¤", true, "E", ""},
                          Case{"A¤999", true, "A", "999"}, Case{"Mx", false, "", ""}, Case{"¤M", false, "", ""},
                          Case{"", false, "", ""}, Case{"é¤x", true, "é", "x"}}) {
        const auto m = splitMarked(c.cell);
        ASSERT_EQ(m.has_value(), c.marked) << c.cell;
        if (!m) continue;
        EXPECT_EQ(m->letter, c.letter);
        EXPECT_EQ(m->rest, c.rest);
    }
}

// The one shape check of week files: its bounds, its order and its French texts.
TEST(WeekLayout, ShapeProblems) {
    const std::vector<std::string> tooLong(100001, "x;");
    auto withLine = [](std::string line) { return std::vector<std::string>{"a;b;", "c;d;", std::move(line)}; };
    const char* beyond = "sa ligne 3 a du texte au-delà des 2 champs de sa première ligne";
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        const char* problem;  // nullptr: none
    };
    const Case cases[] = {
        {"none", {}, nullptr},
        {"most lines", std::vector<std::string>(100000, "x;y;z;"), nullptr},
        {"too many lines", tooLong, "il a 100001 lignes"},
        {"most fields", {std::string(64, ';')}, nullptr},
        {"too many fields", {std::string(65, ';'), "x;"}, "sa première ligne a 65 champs"},
        {"text beyond", withLine("e;f;note;"), beyond},
        {"unclosed text beyond", withLine("e;f;note"), beyond},
        {"blanks and HTS beyond", withLine("e;f; ;HTS ;;"), nullptr},
        {"short line", withLine("e"), nullptr},
    };
    for (const auto& c : cases) {
        const auto problem = weekShapeProblem(c.lines);
        EXPECT_EQ(problem.value_or("(none)"), c.problem ? c.problem : "(none)") << c.name;
    }
    // The analyses check the size alone: text beyond the header's fields is not theirs to refuse.
    EXPECT_EQ(weekSizeProblem(100001, 65).value_or(""), "il a 100001 lignes");
    EXPECT_FALSE(weekSizeProblem(100000, 64));
    EXPECT_STREQ(unreadableWeekError("05_04_25.pln", "il a 3 lignes", "L'analyse s'arrête là.").what(),
                 "Le fichier « 05_04_25.pln » n'est pas lisible comme une semaine : il a 3 lignes. "
                 "L'analyse s'arrête là.");
}
