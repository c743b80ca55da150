#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "data_folder.h"

namespace tandarel::testing {

// The data folder both transfer tests start from: three substitutes in Nontron, a
// working week without Wednesday, and the same week file in three weeks of the school
// year 04/05 (this week: 25 April 2005) and in one week of the year before.

inline constexpr std::string_view kListTitle = "Fichier des personnels remplaçants";
inline const std::vector<std::string> kOldList = {std::string(kListTitle), "ALBERT Jean;Nontron;Ecole A;05 01;Oui;",
                                                  "BERNARD Léa;Nontron;Ecole B;05 02;Oui;",
                                                  "CARON Paul;Nontron;Ecole C;05 03;Oui;"};
inline const std::vector<const char*> kTransferWeeks = {"04_05/05_04_18.pln", "04_05/05_04_25.pln",
                                                        "04_05/05_05_02.pln", "03_04/04_04_26.pln"};

// Eight lines of one substitute, with a placement in its first two lines.
inline std::vector<std::string> block(const std::string& name, const std::string& school, const std::string& phone) {
    return {name + ";M 1;Nontron - Elém;;;;", school + ";Nom;M¤DURAND;;;;", "Nontron;M 2;;;;;", phone + ";Nom;;;;;",
            ";AM 1;;;;HTS;", ";Nom;;;;HTS;", ";AM 2;;;;HTS;", ";Nom;;;;HTS;"};
}

inline std::vector<std::string> week(std::initializer_list<std::vector<std::string>> blocks) {
    std::vector<std::string> lines{
        "Remplaçant / Affectation;M/AM;lundi 25 avril 2005;mardi 26 avril 2005;jeudi 28 avril 2005;vendredi 29 avril "
        "2005;"};
    for (const auto& b : blocks) lines.insert(lines.end(), b.begin(), b.end());
    for (const auto* line : {"Non-remplacements;M;M¤2;;;;", ";E;;;;;", ";C;;;;;", ";A;;;;;"}) lines.push_back(line);
    return lines;
}

// Every week file as it is before the transfer.
inline std::vector<std::string> oldWeek() {
    return week({block("ALBERT Jean", "Ecole A", "05 01"), block("BERNARD Léa", "Ecole B", "05 02"),
                 block("CARON Paul", "Ecole C", "05 03")});
}

inline void writeTransferFolder(const DataFolder& folder) {
    folder.writeLines("semaine.pln", {"LUM;LUAM;MAM;MAAM;;;JEM;JEAM;VEM;;;;"});
    folder.writeLines("personnels.pln", kOldList);
    for (const auto* name : kTransferWeeks) folder.writeLines(name, oldWeek());
    folder.writeLines("04_05/lisez-moi.txt", {"notes"});
}

}  // namespace tandarel::testing
