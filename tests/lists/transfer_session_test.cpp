#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "lists/transfer_session.h"
#include "transfer_folder.h"

namespace tandarel::testing {
namespace {

using Stage = TransferSession::Stage;

// ALBERT Jean's telephone changed, DUPUIS Marie added last: also the sorted order.
const std::vector<std::string> kEditedList = {std::string(kListTitle), "ALBERT Jean;Nontron;Ecole A;05 99;Oui;",
                                              kOldList[2], kOldList[3], "DUPUIS Marie;Nontron;;;;"};
const std::vector<std::string> kOldWeek = oldWeek();
const Date kToday{2005, 4, 27};  // the week of 05_04_25.pln

TransferMessage inform(std::string text) { return {TransferMessage::Kind::Inform, std::move(text)}; }

class TransferSessionTest : public ::testing::Test {
protected:
    TransferSessionTest() {
        writeTransferFolder(folder);
        folder.writeLines("personnels.alt", kOldList);
        folder.writeLines("personnels.tmp", kEditedList);
        folder.writeLines("personnels.pln", kEditedList);
    }
    void expectEnded() {
        EXPECT_EQ(session.stage(), Stage::Finished);
        EXPECT_FALSE(folder.exists("personnels.alt"));
        EXPECT_FALSE(folder.exists("personnels.tmp"));
    }

    DataFolder folder;
    TransferSession session{folder.path()};
};

TEST_F(TransferSessionTest, PairsCorrectsAndRewritesTheTickedWeeks) {
    EXPECT_EQ(session.start(), TransferMessages{});
    ASSERT_EQ(session.stage(), Stage::Pairing);
    // By position, the added name opposite nobody.
    EXPECT_EQ(session.pairing(), (std::vector<PairingRow>{{"ALBERT Jean", "ALBERT Jean"},
                                                          {"BERNARD Léa", "BERNARD Léa"},
                                                          {"CARON Paul", "CARON Paul"},
                                                          {"DUPUIS Marie", ""}}));
    EXPECT_EQ(session.nameChoices(),
              (std::vector<std::string>{"ALBERT Jean", "BERNARD Léa", "CARON Paul", "DUPUIS Marie"}));
    EXPECT_EQ(session.endWeekChoice(), TransferMessages{});  // not at the weeks yet
    EXPECT_EQ(session.stage(), Stage::Pairing);

    // A name goes only into an emptied cell; a duplicate is refused and corrected on the spot.
    EXPECT_EQ(session.chooseName(0), std::nullopt);
    session.emptyNewName(3);
    EXPECT_EQ(session.pairing()[3].newName, "");
    EXPECT_EQ(session.chooseName(0), std::optional<std::size_t>(3));
    EXPECT_EQ(session.confirmPairing(kToday),
              TransferMessages{inform("Il y a doublon(s) dans la colonne de gauche. Veuillez corriger...")});
    EXPECT_EQ(session.stage(), Stage::Pairing);
    session.emptyNewName(3);
    session.chooseName(3);
    EXPECT_EQ(session.confirmPairing(kToday), TransferMessages{});

    // This school year's weeks only, stray files left out; a tick by hand counts too.
    ASSERT_EQ(session.stage(), Stage::Weeks);
    EXPECT_EQ(session.weeks().entries.size(), 3u);
    EXPECT_EQ(session.ticks(), (std::vector<bool>{false, false, false}));
    session.chooseOption(WeekOption::ThisWeekAndLater);
    EXPECT_EQ(session.ticks(), (std::vector<bool>{false, true, true}));
    session.setTicked(2, false);
    EXPECT_EQ(session.endWeekChoice(),
              TransferMessages{inform("Modification de la (des) semaine(s) sélectionnée(s) effectuée !")});

    const std::vector<std::string> dupuis{"DUPUIS Marie;M 1;;;;;", ";Nom;;;;;",     "Nontron;M 2;;;;;", ";Nom;;;;;",
                                          ";AM 1;;;;HTS;",         ";Nom;;;;HTS;", ";AM 2;;;;HTS;",    ";Nom;;;;HTS;"};
    EXPECT_EQ(folder.readBytes("04_05/05_04_25.pln"),
              cp1252Lines(week({block("ALBERT Jean", "Ecole A", "05 99"), block("BERNARD Léa", "Ecole B", "05 02"),
                                block("CARON Paul", "Ecole C", "05 03"), dupuis})));
    for (const auto* name : {kTransferWeeks[0], kTransferWeeks[2], kTransferWeeks[3]})
        EXPECT_EQ(folder.readBytes(name), cp1252Lines(kOldWeek)) << name;
    expectEnded();
}

// The paths that end before any week is rewritten.
struct EndCase {
    const char* name;
    std::function<void(const DataFolder&)> prepare;
    std::function<TransferMessages(TransferSession&)> drive;
    TransferMessages said;
};

class TransferEnd : public TransferSessionTest, public ::testing::WithParamInterface<EndCase> {};

TEST_P(TransferEnd, LeavesTheWeeksAsTheyWere) {
    GetParam().prepare(folder);
    EXPECT_EQ(GetParam().drive(session), GetParam().said);
    expectEnded();
    for (const auto* name : kTransferWeeks) {
        if (folder.exists(name)) {
            EXPECT_EQ(folder.readBytes(name), cp1252Lines(kOldWeek)) << name;
        }
    }
}

TransferMessages confirmed(TransferSession& session, const Date& today) {
    EXPECT_EQ(session.start(), TransferMessages{});
    return session.confirmPairing(today);
}

INSTANTIATE_TEST_SUITE_P(
    Transfer, TransferEnd,
    ::testing::Values(
        EndCase{"ActivityAlone",
                [](const DataFolder& f) {
                    auto edited = kOldList;
                    edited[2] = "BERNARD Léa;Nontron;Ecole B;05 02;Non;";
                    f.writeLines("personnels.tmp", edited);
                },
                [](TransferSession& s) { return s.start(); }, {}},
        EndCase{"QuitWithoutList", [](const DataFolder&) {}, [](TransferSession& s) { return s.finish(); }, {}},
        EndCase{"NoWeekOfThisSchoolYear", [](const DataFolder&) {},
                [](TransferSession& s) { return confirmed(s, {2005, 9, 5}); },
                {inform("Pas de semaine à modifier...")}},
        EndCase{"ThisWeekWithoutFileTicksNothing",
                [](const DataFolder& f) { std::filesystem::remove(f / "04_05/05_04_25.pln"); },
                [](TransferSession& s) {
                    EXPECT_EQ(confirmed(s, kToday), TransferMessages{});
                    s.chooseOption(WeekOption::ThisWeekAndLater);
                    EXPECT_EQ(s.ticks(), (std::vector<bool>{false, false}));
                    return s.endWeekChoice();
                },
                {inform("Aucune semaine ne sera modifiée !")}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tandarel::testing
