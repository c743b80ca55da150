#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "analysis/bilan_comparison.h"
#include "analysis/report_tool.h"
#include "analysis/week_collection.h"
#include "data_folder.h"
#include "week_builder.h"

using namespace tandarel;
using tandarel::testing::DataFolder;
using tandarel::testing::WeekBuilder;

namespace {

const Date kToday{2006, 3, 14};  // a Tuesday
const std::string kCrystal = "Je suis incapable de lire dans les boules de cristal... Corrigez l'année scolaire !";

// Two school years with files, the second under way; a week planned ahead in the next one.
class Bilans : public ::testing::Test {
protected:
    Bilans() {
        WeekBuilder({2004, 10, 4}, 1).motif(0, 0, 0, "M¤Dupont").missed(0, 0, "M¤4").writeTo(folder);
        WeekBuilder({2005, 3, 7}, 1).motif(0, 0, 0, "E¤Abel").writeTo(folder);
        // Monday 13 and Tuesday 14 are retained; the Wednesday lies after today.
        auto current = WeekBuilder({2006, 3, 13}, 1).motif(0, 0, 0, "M¤Dupont").motif(0, 0, 1, "M¤Dupont");
        current.motif(0, 0, 2, "M¤Dupont").missed(3, 1, "A¤1").missed(3, 2, "A¤2").writeTo(folder);
        WeekBuilder({2006, 9, 4}, 1).motif(0, 0, 0, "C¤Caro").writeTo(folder);
        // Not school years: a folder of other consecutive years, one without week files, the backups.
        folder.writeLines("07_09/07_09_03.pln", WeekBuilder({2007, 9, 3}, 1).lines());
        std::filesystem::create_directories(folder / "03_04");
        folder.writeBytes("sauvegardes/x.zip", "");
    }

    struct Run {
        int status;
        std::string out;
        std::string err;
    };
    Run run(const std::vector<std::string>& arguments) const {
        std::ostringstream out, err;
        const int status = runAnalysisReport(arguments, folder.path(), kToday, out, err);
        return {status, out.str(), err.str()};
    }

    DataFolder folder;
};

TEST_F(Bilans, ComparisonOfTheSamePeriodInEachSchoolYear) {
    struct Case {
        const char* name;
        PeriodKind kind;
        std::vector<std::pair<std::string, std::vector<long>>> rows;
    };
    using M = PeriodMode;
    const std::vector<long> current = {2, 0, 0, 0, 6, 0, 1};  // cut at today
    const Case cases[] = {
        {"year", {M::SchoolYear, "", "", ""}, {{"04/05", {1, 1, 0, 0, 38, 0, 4}}, {"05/06 (au 14/03/06)", current}}},
        {"march", {M::Month, "", "", "3"}, {{"04/05", {0, 1, 0, 0, 19, 0, 0}}, {"05/06 (au 14/03/06)", current}}},
        {"october", {M::Month, "", "", "10"}, {{"04/05", {1, 0, 0, 0, 19, 0, 4}}, {"05/06", {0, 0, 0, 0, 0, 0, 0}}}},
        {"april after today", {M::Month, "", "", "04"}, {{"04/05", {0, 0, 0, 0, 0, 0, 0}}}},
        {"third trimester", {M::Trimester, "3", "10/03", ""},
         {{"04/05", {0, 0, 0, 0, 8, 0, 0}}, {"05/06 (au 14/03/06)", current}}},
    };
    for (const auto& c : cases) {
        const auto comparison = compareSchoolYears(folder.path(), c.kind, kToday);
        EXPECT_TRUE(comparison.refusal.empty()) << c.name;
        std::vector<std::pair<std::string, std::vector<long>>> rows;
        for (const auto& row : comparison.report.rows) rows.emplace_back(row.label, row.quarterDays);
        EXPECT_EQ(rows, c.rows) << c.name;
        EXPECT_FALSE(comparison.report.totals) << c.name;
    }
    EXPECT_EQ(schoolYearsWithWeekFiles(folder.path()), (std::vector<std::string>{"04/05", "05/06", "06/07"}));
}

TEST_F(Bilans, ComparisonAsCsv) {
    const auto result = run({"--csv", "bilan", "comparaison", "annee"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out,
              "\xEF\xBB\xBF"
              "Année scolaire;Maladie;Equipe;Convenance personnelle;Autre raison;Mise à disposition;Inconnu (bug);"
              "Non-remplacements\r\n"
              "04/05;0,25;0,25;0,00;0,00;9,50;0,00;1,00\r\n"
              "05/06 (au 14/03/06);0,50;0,00;0,00;0,00;1,50;0,00;0,25\r\n");
    EXPECT_EQ(result.err, "");
}

TEST_F(Bilans, AlignedTableWithThePeriodCutAtTodayAndItsFiles) {
    const auto result = run({"bilan", "enseignants", "annee", "05/06"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "Bilan par enseignant remplacé (du 01/08/05 au 14/03/06)\n"
                          "Fichiers analysés :\n"
                          "  " + shortenedPath(weekFilePath(folder.path(), {2006, 3, 13})) + "\n"
                          "\n"
                          "  Enseignant remplacé   Maladie   Equipe   Convenance personnelle   Autre raison   Total\n"
                          "  Dupont                   0,50     0,00                     0,00           0,00    0,50\n"
                          "  Totaux                   0,50     0,00                     0,00           0,00    0,50\n");
}

TEST_F(Bilans, ExitStatusAndMessages) {
    struct Case {
        std::vector<std::string> arguments;
        int status;
        std::string err;  // its first line
    };
    const Case cases[] = {
        {{"bilan", "remplacants", "annee", "05/06"}, 0, ""},
        {{"bilan", "alertes", "plage", "01/03/06", "31/12/06"}, 0, ""},
        {{"bilan", "remplacants", "annee", "06/07"}, 2, kCrystal},
        {{"bilan", "ecoles", "trimestre", "05/06", "3", "15/04"}, 2, kCrystal},
        {{"bilan", "ecoles", "mois", "05/06", "4"}, 2, kCrystal},
        {{"bilan", "enseignants", "plage", "15/03/06", "20/03/06"}, 2,
         "Je suis incapable de lire dans les boules de cristal... Corrigez la date de début de plage !"},
        {{"bilan", "ecoles", "mois", "05/06", "10"}, 1, "Aucun fichier pour ce mois... Donc, pas d'analyse !"},
        {{"bilan", "comparaison", "mois", "13"}, 2, "Saisissez un mois correct... ( Valeurs possibles : de 1 à 12 )"},
        {{"bilan", "comparaison", "trimestre", "1", "15/03"}, 2,
         "tandarel-analyse : la date-charnière ne sert qu'aux trimestres 2 et 3"},
        {{"bilan", "rien", "annee", "04/05"}, 2,
         "tandarel-analyse : bilan inconnu « rien » (remplacants, ecoles, enseignants, alertes ou comparaison)"},
    };
    for (const auto& c : cases) {
        const auto result = run(c.arguments);
        EXPECT_EQ(result.status, c.status) << c.arguments[1];
        EXPECT_EQ(result.err.substr(0, result.err.find('\n')), c.err) << c.arguments[1];
    }
}

TEST(BilanTool, NoSchoolYearOrAnUnreadableFile) {
    DataFolder folder;
    std::ostringstream out, err;
    EXPECT_EQ(runAnalysisReport({"bilan", "comparaison", "annee"}, folder.path(), kToday, out, err), 1);
    EXPECT_EQ(err.str(), "Aucun fichier pour cette année scolaire... Donc, pas d'analyse !\n");
    // A folder bearing a week file's name is collected, and cannot be read.
    std::filesystem::create_directories(weekFilePath(folder.path(), {2005, 3, 7}));
    for (const auto& bilan : {"remplacants", "ecoles", "enseignants", "alertes"}) {
        EXPECT_EQ(runAnalysisReport({"bilan", bilan, "annee", "04/05"}, folder.path(), kToday, out, err), 3) << bilan;
    }
    EXPECT_EQ(runAnalysisReport({"bilan", "comparaison", "annee"}, folder.path(), kToday, out, err), 3);
}

}  // namespace
