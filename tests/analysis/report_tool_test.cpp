#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/utf8_path.h"
#include "data_folder.h"
#include "week_builder.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

using tandarel::Date;
using tandarel::testing::DataFolder;
using tandarel::testing::WeekBuilder;

namespace {

struct Run {
    int status;
    std::string out;
    std::string err;
};

#ifdef _WIN32
constexpr const char* kChangeFolder = "cd /d \"";  // the temporary folder may be on another drive
#else
constexpr const char* kChangeFolder = "cd \"";
#endif

// Runs the built tandarel-analyse in `folder`, as the office would from its data folder.
Run analyse(const DataFolder& folder, const std::string& arguments) {
    const DataFolder outputs;
    const auto out = outputs / "out.txt", err = outputs / "err.txt";
    const std::string command = kChangeFolder + tandarel::utf8FromPath(folder.path()) + "\" && \"" TANDAREL_ANALYSE_EXE
                                "\" " + arguments + " > \"" + tandarel::utf8FromPath(out) + "\" 2> \"" +
                                tandarel::utf8FromPath(err) + "\"";
#ifdef _WIN32
    // In UTF-16, as a console passes what is typed (a path's native form is UTF-16 there).
    const int status = _wsystem(tandarel::pathFromUtf8(command).c_str());
#else
    const int raw = std::system(command.c_str());
    const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
    return {status, outputs.readBytes("out.txt"), outputs.readBytes("err.txt")};
}

// A listed week file, with the platform's separator.
std::string shortName(const std::string& folder, const std::string& file) {
    const char separator = static_cast<char>(std::filesystem::path::preferred_separator);
    return "..." + (separator + folder) + separator + file;
}

class ReportTool : public ::testing::Test {
protected:
    ReportTool() {
        folder.writeLines("personnels.pln", {"Fichier des personnels remplaçants", "A;B;C;D;Oui;"});
        auto first = WeekBuilder({2005, 4, 25}, 1);
        for (int i = 0; i < 9; ++i) first.motif(0, i % 4, i / 4, "M¤Dupont");
        for (int i = 0; i < 4; ++i) first.motif(0, i, 3, "E¤Martin");
        first.missed(0, 0, "M¤12").missed(3, 2, "A¤1").writeTo(folder);
        // No Wednesday afternoon; Friday out of school time.
        auto second = WeekBuilder({2005, 5, 2}, 1, {"LUM", "LUAM", "MAM", "MAAM", "MEM", "", "JEM", "JEAM", "VEM", "VEAM", "", ""});
        second.motif(0, 0, 0, "C¤Leroy").wholeDay(4, "HTS").missed(2, 3, "C¤abcd").writeTo(folder);
    }
    DataFolder folder;
};

TEST_F(ReportTool, ReplacementsAsCsv) {
    const auto run = analyse(folder, "--csv remplacements annee 04/05");
    EXPECT_EQ(run.status, 0);
    // What a French spreadsheet opens right: byte-order mark, CR LF, ";" and decimal commas.
    EXPECT_EQ(run.out,
              "\xEF\xBB\xBF"
              "Motifs d'absence;Totaux;%\r\n"
              "Maladie;2,25;26\r\n"
              "Equipe;1,00;12\r\n"
              "Convenance personnelle;0,25;3\r\n"
              "Autre raison;0,00;0\r\n"
              "Mise à disposition;5,00;59\r\n"
              "Inconnu (bug);0,00;0\r\n"
              "Totaux;8,50;100\r\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(ReportTool, ReplacementsReport) {
    const auto run = analyse(folder, "remplacements plage 27/04/05 06/05/05");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "Analyse des remplacements (27/04/05 - 06/05/05)\n"
              "Plage retenue pour l'analyse :\n"
              "  Date de début : mercredi 27 avril 2005\n"
              "  Date de fin : vendredi 6 mai 2005\n"
              "Liste des fichiers analysés :\n"
              "  " + shortName("04_05", "05_04_25.pln") + "\n"
              "  " + shortName("04_05", "05_05_02.pln") + "\n"
              "Liste des jours analysés :\n"
              "  mercredi 27 avril 2005\n"
              "  jeudi 28 avril 2005\n"
              "  vendredi 29 avril 2005\n"
              "\n"
              "  lundi 2 mai 2005\n"
              "  mardi 3 mai 2005\n"
              "  mercredi 4 mai 2005\n"
              "  jeudi 5 mai 2005\n"
              "  vendredi 6 mai 2005  (HTS)\n"
              "Résultat de l'analyse (en jours) :\n"
              "  Motifs d'absence                    Totaux       %\n"
              "  Maladie                               0,25     4 %\n"
              "  Equipe                                1,00    15 %\n"
              "  Convenance personnelle                0,25     4 %\n"
              "  Autre raison                          0,00     0 %\n"
              "  Mise à disposition                    5,00    77 %\n"
              "  Inconnu (bug)                         0,00     0 %\n"
              "                             Totaux     6,50   100 %\n"
              "Nombre de personnels : 1\n");
}

TEST_F(ReportTool, NonReplacementsGoOnAfterAnUnreadableCount) {
    const auto run = analyse(folder, "non-remplacements trimestre 04/05 3 15/04 --csv");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "\xEF\xBB\xBF"
              "Non-Remplacements;Totaux\r\n"
              "Autre raison;0,25\r\n"
              "Convenance personnelle;0,00\r\n"
              "Equipe;0,00\r\n"
              "Maladie;3,00\r\n"
              "Totaux;3,25\r\n");
    EXPECT_EQ(run.err, "Je ne traite pas la donnée suivante : C¤abcd !\n");
}

TEST_F(ReportTool, RefusalsAndMissingWeeks) {
    struct Row {
        const char* arguments;
        int status;
        std::string err;
    };
    const Row rows[] = {
        {"remplacements annee 04/06", 2, "Votre saisie ne définit pas une année scolaire ...\n"},
        {"--csv non-remplacements annee 98/99", 2,
         "Je suis incapable de lire dans les boules de cristal... Corrigez l'année scolaire !\n"},
        {"remplacements trimestre 04/05 2", 2, "La date de fin de 2ème trimestre est invalide (vide ou incorrecte...)\n"},
        {"remplacements plage 31/04/05 32/05/05", 2,
         "Date incorrecte... Mois d'avril - Valeurs possibles pour le jour : de 01 à 30\n"
         "Date incorrecte... Mois de mai - Valeurs possibles pour le jour : de 01 à 31\n"},
        {"remplacements mois 04/05 9", 1, "Aucun fichier pour ce mois... Donc, pas d'analyse !\n"},
        {"non-remplacements plage 01/05/05 01/05/05", 1,
         "Aucun fichier dans la fourchette de dates saisies... Donc, pas d'analyse !\n"},
        {"remplacements année 04/05", 2,
         "tandarel-analyse : type de plage inconnu « année » (annee, trimestre, mois ou plage)\n"
         "Essayez « tandarel-analyse --help ».\n"},
    };
    for (const auto& row : rows) {
        const auto run = analyse(folder, row.arguments);
        EXPECT_EQ(run.status, row.status) << row.arguments;
        EXPECT_EQ(run.err, row.err) << row.arguments;
        EXPECT_EQ(run.out, "") << row.arguments;
    }
}

TEST_F(ReportTool, WrongArgumentsAndHelp) {
    for (const char* arguments : {"", "remplacements", "absences annee 04/05", "remplacements semaine 04/05",
                                  "remplacements annee 04/05 5", "remplacements trimestre 04/05 1 15/04"}) {
        const auto run = analyse(folder, arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_NE(run.err.find("tandarel-analyse --help"), std::string::npos) << arguments;
    }
    const auto help = analyse(folder, "--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage : tandarel-analyse [--csv] ANALYSE PLAGE\n", 0), 0u);
    EXPECT_NE(help.out.find("Code de sortie"), std::string::npos);
    const auto version = analyse(folder, "remplacements --version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("Tandarel ", 0), 0u) << version.out;
    EXPECT_EQ(version.out.find('\n'), version.out.size() - 1) << version.out;
}

TEST_F(ReportTool, AnUnreadableWeekFileStopsTheAnalysis) {
    std::filesystem::remove(folder / "04_05/05_05_02.pln");
    std::filesystem::create_directories(folder / "04_05/05_05_02.pln");
    const auto run = analyse(folder, "remplacements annee 04/05");
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.err.find("05_05_02.pln"), std::string::npos);
    EXPECT_EQ(run.out, "");
}

TEST_F(ReportTool, MessagesBeforeAnUnreadableWeekFileComeFirst) {
    std::filesystem::create_directories(folder / "04_05/05_05_09.pln");
    const auto run = analyse(folder, "non-remplacements annee 04/05");
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.err.rfind("Je ne traite pas la donnée suivante : C¤abcd !\n", 0), 0u) << run.err;
    EXPECT_NE(run.err.find("05_05_09.pln"), std::string::npos);
    EXPECT_EQ(run.out, "");
}

}  // namespace
