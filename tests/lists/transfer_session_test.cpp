#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "data_folder.h"
#include "lists/transfer_session.h"

namespace tandarel {
namespace {

using testing::cp1252Lines;
using testing::DataFolder;
using Stage = TransferSession::Stage;

const std::string kTitle = "Fichier des personnels remplaçants";
const std::vector<std::string> kOldList = {kTitle, "ALBERT Jean;Nontron;Ecole A;05 01;Oui;",
                                           "BERNARD Léa;Nontron;Ecole B;05 02;Oui;",
                                           "CARON Paul;Nontron;Ecole C;05 03;Oui;"};
// ALBERT Jean's telephone changed, DUPUIS Marie added last: also the sorted order.
const std::vector<std::string> kEditedList = {kTitle, "ALBERT Jean;Nontron;Ecole A;05 99;Oui;", kOldList[2],
                                              kOldList[3], "DUPUIS Marie;Nontron;;;;"};
const Date kToday{2005, 4, 27};  // the week of 05_04_25.pln
const std::vector<const char*> kWeeks = {"04_05/05_04_18.pln", "04_05/05_04_25.pln", "04_05/05_05_02.pln",
                                         "03_04/04_04_26.pln"};
const std::string kHeader =
    "Remplaçant / Affectation;M/AM;lundi 25 avril 2005;mardi 26 avril 2005;jeudi 28 avril 2005;vendredi 29 avril 2005;";

// Eight lines of one substitute, with a placement in its first two lines.
std::vector<std::string> block(const std::string& name, const std::string& school, const std::string& phone) {
    return {name + ";M 1;Nontron - Elém;;;;", school + ";Nom;M¤DURAND;;;;", "Nontron;M 2;;;;;", phone + ";Nom;;;;;",
            ";AM 1;;;;HTS;", ";Nom;;;;HTS;", ";AM 2;;;;HTS;", ";Nom;;;;HTS;"};
}

std::vector<std::string> week(std::initializer_list<std::vector<std::string>> blocks) {
    std::vector<std::string> lines{kHeader};
    for (const auto& b : blocks) lines.insert(lines.end(), b.begin(), b.end());
    for (const auto* line : {"Non-remplacements;M;M¤2;;;;", ";E;;;;;", ";C;;;;;", ";A;;;;;"}) lines.push_back(line);
    return lines;
}

const std::vector<std::string> kOldWeek = week({block("ALBERT Jean", "Ecole A", "05 01"),
                                                block("BERNARD Léa", "Ecole B", "05 02"),
                                                block("CARON Paul", "Ecole C", "05 03")});

TransferMessage inform(std::string text) { return {TransferMessage::Kind::Inform, std::move(text)}; }

class TransferSessionTest : public ::testing::Test {
protected:
    TransferSessionTest() {
        folder.writeLines("semaine.pln", {"LUM;LUAM;MAM;MAAM;;;JEM;JEAM;VEM;;;;"});
        folder.writeLines("personnels.alt", kOldList);
        folder.writeLines("personnels.tmp", kEditedList);
        folder.writeLines("personnels.pln", kEditedList);
        for (const auto* name : kWeeks) folder.writeLines(name, kOldWeek);
        folder.writeLines("04_05/lisez-moi.txt", {"notes"});
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
    for (const auto* name : {kWeeks[0], kWeeks[2], kWeeks[3]})
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
    for (const auto* name : kWeeks) {
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
}  // namespace tandarel
