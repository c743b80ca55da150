#include <gtest/gtest.h>

#include "lists/transfer_rules.h"

namespace tandarel {
namespace {

std::vector<std::string> list(std::vector<std::string> records) {
    records.insert(records.begin(), "Fichier des personnels remplaçants");
    return records;
}

struct ChangeCase {
    const char* name;
    std::vector<std::string> oldLines;
    std::vector<std::string> editedLines;
    bool changed;
};

class ListChange : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(ListChange, Decides) {
    EXPECT_EQ(substitutesListChanged(GetParam().oldLines, GetParam().editedLines), GetParam().changed);
}

INSTANTIATE_TEST_SUITE_P(
    Transfer, ListChange,
    ::testing::Values(
        ChangeCase{"SameList", list({"A;X;E;01;Oui;"}), list({"A;X;E;01;Oui;"}), false},
        ChangeCase{"OnlyActivitySwitched", list({"A;X;E;01;Oui;"}), list({"A;X;E;01;Non;"}), false},
        ChangeCase{"TelephoneEdited", list({"A;X;E;01;Oui;"}), list({"A;X;E;09;Oui;"}), true},
        ChangeCase{"RowAdded", list({"A;X;E;01;Oui;"}), list({"A;X;E;01;Oui;", ";;;;;"}), true},
        ChangeCase{"NoOldCopy", {}, list({"A;X;E;01;Oui;"}), true},
        // A text moved from one field to the next is a change, though the joined texts are equal.
        ChangeCase{"TextMovedBetweenFields", list({"AB;C;E;01;Oui;"}), list({"A;BC;E;01;Oui;"}), true},
        ChangeCase{"SampleListNeverCounts",
                   list({"DORSANVAL Rémi;Vernelle en Lizonne;Elémentaire Pradoux;03 00 99 99 99;Oui;",
                         "MOURELLE Sonia;Vernelle en Lizonne;Elémentaire Marcel Tournaval;03 00 88 88 88;Oui;"}),
                   list({"DURAND Marc;Nontron;E;01;Oui;"}), false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Pairing, ByPosition) {
    // A deleted middle row shifts every name below it; an added row has no old name.
    EXPECT_EQ(proposePairing(list({"A;", "C;", "D;"}), list({"A;", "B;", "C;", "D;"})),
              (std::vector<PairingRow>{{"A", "A"}, {"C", "B"}, {"D", "C"}, {"", "D"}}));
    EXPECT_EQ(proposePairing(list({"A;", "NEUF Ali;"}), list({"A;"})),
              (std::vector<PairingRow>{{"A", "A"}, {"NEUF Ali", ""}}));
}

TEST(Pairing, DuplicatesAreExactAndNeverBlank) {
    auto left = [](std::vector<std::string> names) {
        std::vector<PairingRow> rows;
        for (auto& n : names) rows.push_back({n, "old"});
        return hasDuplicateNewNames(rows);
    };
    EXPECT_TRUE(left({"A", "B", "A"}));
    EXPECT_FALSE(left({"  ", "B", "  ", "", ""}));
    EXPECT_FALSE(left({"A", "A ", "a"}));
}

TEST(Pairing, BlankCellsPairWithNobody) {
    const std::vector<PairingRow> pairing{{"", "GONE Max"}, {"B", ""}, {"C", "OLD Carl"}};
    EXPECT_EQ(pairedOldName(pairing, ""), std::nullopt);
    EXPECT_EQ(pairedOldName(pairing, "B"), std::nullopt);
    EXPECT_EQ(pairedOldName(pairing, "C"), std::optional<std::string>("OLD Carl"));
}

TEST(Patterns, FollowTheWorkingWeek) {
    EXPECT_EQ(slotPatterns("LUM;LUAM;MAM;MAAM;MEM;;JEM;JEAM;VEM;VEAM;SAM;;"), (SlotPatterns{";;;;;;", ";;HTS;;;HTS;"}));
    EXPECT_EQ(slotPatterns(";LUAM;;;;;;;;;;;"), (SlotPatterns{"HTS;", ";"}));
    EXPECT_EQ(slotPatterns("LUM;"), (SlotPatterns{";", "HTS;"}));
}

// A stored week of two substitutes on one day.
const std::vector<std::string> kWeek = {
    "Remplaçant / Affectation;M/AM;lundi 25 avril 2005;",
    "ALBERT Jean;M 1;Nontron - Elém;", "Ecole A;Nom;M¤DURAND;", "Nontron;M 2;;", "05 01;Nom;;",
    ";AM 1;HTS;", ";Nom;HTS;", ";AM 2;Abjat;", ";Nom;E¤MARTIN;",
    "BERNARD Léa;M 1;Indisponible;", "Ecole B;Nom;Indisponible;", "Nontron;M 2;;", "05 02;Nom;;",
    ";AM 1;;", ";Nom;;", ";AM 2;;", ";Nom;;",
    "Non-remplacements;M;M¤2;", ";E;E¤1;", ";C;;", ";A;;"};
const SlotPatterns kOneDay{";", "HTS;"};

std::vector<std::string> part(std::size_t first, std::size_t count) {
    return {kWeek.begin() + static_cast<std::ptrdiff_t>(first), kWeek.begin() + static_cast<std::ptrdiff_t>(first + count)};
}

TEST(WeekRewrite, BlocksFollowTheSortedListAndTheirPairing) {
    // BERNARD Léa became BERNARD-ROY Léa with a new telephone; ALBERT Jean's cell was
    // emptied and left empty (his timetable goes); ZOE Anne is new.
    const std::vector<Substitute> newList{{"ALBERT Jean", "Nontron", "Ecole A", "05 01", "Oui"},
                                          {"BERNARD-ROY Léa", "Abjat", "Ecole B2", "07 07", "Oui"},
                                          {"ZOE Anne ", "Nontron", "", "", ""}};
    const std::vector<PairingRow> pairing{{"", "ALBERT Jean"}, {"BERNARD-ROY Léa", "BERNARD Léa"}, {"ZOE Anne ", ""}};
    std::vector<std::string> expected{kWeek[0], "ALBERT Jean;M 1;;", "Ecole A;Nom;;", "Nontron;M 2;;", "05 01;Nom;;",
                                      ";AM 1;HTS;", ";Nom;HTS;", ";AM 2;HTS;", ";Nom;HTS;",
                                      "BERNARD-ROY Léa;M 1;Indisponible;", "Ecole B2;Nom;Indisponible;", "Abjat;M 2;;",
                                      "07 07;Nom;;"};
    for (const auto& line : part(13, 4)) expected.push_back(line);
    for (const auto* line : {"ZOE Anne;M 1;;", ";Nom;;", "Nontron;M 2;;", ";Nom;;", ";AM 1;HTS;", ";Nom;HTS;",
                             ";AM 2;HTS;", ";Nom;HTS;"})
        expected.push_back(line);
    for (const auto& line : part(17, 4)) expected.push_back(line);
    EXPECT_EQ(rewriteWeekLines(kWeek, newList, pairing, kOneDay), expected);
}

TEST(WeekRewrite, StoredNamesAreComparedTrimmed) {
    // The grid trims what it writes: a name typed with a trailing blank still finds its block.
    const auto rewritten =
        rewriteWeekLines(kWeek, {{"BERNARD Léa ", "N", "E", "T", ""}}, {{"BERNARD Léa ", "BERNARD Léa "}}, kOneDay);
    ASSERT_TRUE(rewritten);
    EXPECT_EQ((*rewritten)[1], "BERNARD Léa;M 1;Indisponible;");
}

TEST(WeekRewrite, OnlyWholeWeekLayoutsAreTakenOver) {
    const std::vector<std::string> noSection(kWeek.begin(), kWeek.end() - 4);
    EXPECT_EQ(rewriteWeekLines(noSection, {}, {}, kOneDay), std::nullopt);
    EXPECT_EQ(rewriteWeekLines({}, {}, {}, kOneDay), std::nullopt);
    // A hand-cut last block (three lines) is never matched: a fresh block replaces it.
    const std::vector<std::string> cut{"H;", "SEUL Max;M 1;x;", "E;Nom;;", "C;M 2;;", "Non-remplacements;M;;"};
    const auto rewritten = rewriteWeekLines(cut, {{"SEUL Max", "", "", "", ""}}, {{"SEUL Max", "SEUL Max"}}, kOneDay);
    ASSERT_TRUE(rewritten);
    EXPECT_EQ(rewritten->size(), 10u);
    EXPECT_EQ((*rewritten)[1], "SEUL Max;M 1;;");
}

TEST(WeekList, RealWeekFilesInNameOrderWithLongDates) {
    const auto entries = weekEntries({"05_05_02.pln", "notes.txt", "05_04_25.pln", "05_13_01.pln", "05_04_25.pln.~tmp",
                                      "04_09_06.pln", "5_04_25.pln", ".05_04_25.pln.0123456789abcdef.tandarel-tmp"});
    EXPECT_EQ(entries, (std::vector<WeekEntry>{{"04_09_06.pln", "04_09_06.pln (lundi 6 septembre 2004 )"},
                                               {"05_04_25.pln", "05_04_25.pln (lundi 25 avril 2005 )"},
                                               {"05_05_02.pln", "05_05_02.pln (lundi 2 mai 2005 )"}}));
    using V = std::vector<bool>;
    EXPECT_EQ(weekTicks(WeekOption::All, entries, "05_04_25.pln"), (V{true, true, true}));
    EXPECT_EQ(weekTicks(WeekOption::None, entries, "05_04_25.pln"), (V{false, false, false}));
    EXPECT_EQ(weekTicks(WeekOption::ThisWeekAndLater, entries, "05_04_25.pln"), (V{false, true, true}));
    EXPECT_EQ(weekTicks(WeekOption::ThisWeekAndLater, entries, "05_04_18.pln"), (V{false, false, false}));
}

}  // namespace
}  // namespace tandarel
