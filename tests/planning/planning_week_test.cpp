#include "planning/planning_week.h"

#include <gtest/gtest.h>

#include "core/file_error.h"
#include "core/week_file.h"
#include "data_folder.h"
#include "grid_fixtures.h"

using namespace tandarel;
using namespace tandarel::testing;

namespace {

TEST(Sources, SubstitutesWithTheirFallback) {
    const Substitute unknown{"Non identifié(e)", "Non identifiée", "Non identifiée", "Non identifié", "Oui"};
    EXPECT_EQ(planningSubstitutes({}), std::vector<Substitute>{unknown});
    EXPECT_EQ(planningSubstitutes({"Fichier des personnels remplaçants"}), std::vector<Substitute>{unknown});
    EXPECT_EQ(planningSubstitutes({"titre", "A;B;C;D;;", "E;F;G;H;Non;", ";;;;;"}),
              (std::vector<Substitute>{{"A", "B", "C", "D", "Oui"}, {"E", "F", "G", "H", "Non"}, {"", "", "", "", "Oui"}}));
}

TEST(Sources, SchoolsInWindows1252OrderWithTheirFallback) {
    EXPECT_EQ(planningSchools({"Fichier des Rattachements"}), std::vector<std::string>{"Ecole non identifiée"});
    EXPECT_EQ(planningSchools({}), std::vector<std::string>{"Ecole non identifiée"});
    EXPECT_EQ(planningSchools({"t", "b", "École", "a", "Zèbre", "B", "ecole", "a "}),
              (std::vector<std::string>{"B", "Zèbre", "a", "a ", "b", "ecole", "École"}));
}

class Week : public ::testing::Test {
protected:
    void SetUp() override { week.setSources(folder.path(), substitutes(3), kUsualWeek); }
    DataFolder folder;
    PlanningWeek week;
};

TEST_F(Week, NewGridFollowsTheWorkingWeek) {
    week.moveTo({2005, 5, 1});  // a Sunday ends its week
    EXPECT_EQ(week.monday(), kMonday);
    EXPECT_EQ(week.title(), "Semaine du lundi 25 avril 2005 au dimanche 1 mai 2005");
    EXPECT_EQ(week.grid(), newWeek(3));
    EXPECT_EQ(week.grid().columnCount(), 7);  // no Saturday
    for (int row = 1; row <= 24; ++row)
        EXPECT_EQ(week.grid().cell(row, 4), (row - 1) % 8 >= 4 ? "HTS" : "") << row;  // Wednesday afternoon

    week.setSources(folder.path(), planningSubstitutes({"Fichier des personnels remplaçants"}), kUsualWeek);
    week.moveTo(kMonday);
    EXPECT_EQ(week.grid().rowCount(), 13);
    EXPECT_EQ(week.grid().cell(1, 0), "Non identifié(e)");
    EXPECT_FALSE(folder.exists("04_05"));  // nothing written before a save point
}

TEST_F(Week, StoredWeekIsUsedUnchanged) {
    WeekGrid stored = newWeek(3);
    stored.setCell(2, 3, "M¤DUPONT");
    saveWeek(folder.path(), kMonday, stored);
    week.setSources(folder.path(), substitutes(4), WorkingWeekSlots(12, "LUM"));
    week.moveTo({2005, 4, 27});
    EXPECT_EQ(week.grid(), stored);
    EXPECT_EQ(week.grid().substituteCount(), 3);
    EXPECT_EQ(week.substituteOfRow(32)->Nom, "NOM 4");
    EXPECT_EQ(week.substituteOfRow(33), nullptr);  // no fifth substitute in the table
}

TEST_F(Week, SaveCreatesTheSchoolYearFolder) {
    week.moveTo({2005, 8, 1});
    week.save();
    EXPECT_EQ(folder.entries("05_06"), std::vector<std::string>{"05_08_01.pln"});
    EXPECT_EQ(folder.readBytes("05_06/05_08_01.pln").substr(0, 26), "Rempla\xE7" "ant / Affectation;M");
}

TEST_F(Week, FailedSaveLeavesTheShownWeekAlone) {
    week.moveTo(kMonday);
    week.grid().setCell(1, 2, "Vernelle");
    folder.writeBytes("04_05", "a file where the folder should be");
    try {
        week.save();
        FAIL() << "saved without its folder";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Impossible de créer le sous-dossier 04_05", 0), 0u) << e.what();
    }
    EXPECT_EQ(week.grid().cell(1, 2), "Vernelle");
}

// A week that cannot be kept is still shown, read-only, and never written.
TEST_F(Week, UnreadableWeekIsReadOnly) {
    std::filesystem::create_directories(folder / "04_05" / "05_05_02.pln");
    week.moveTo({2005, 5, 2});
    EXPECT_EQ(week.monday(), (Date{2005, 5, 2}));
    ASSERT_TRUE(week.readOnly());
    EXPECT_NE(week.readOnlyReason()->find("05_05_02.pln"), std::string::npos) << *week.readOnlyReason();
    EXPECT_NO_THROW(week.save());
    EXPECT_TRUE(std::filesystem::is_directory(folder / "04_05" / "05_05_02.pln"));
    week.moveTo(kMonday);
    EXPECT_FALSE(week.readOnly());
}

}  // namespace
