#include "app/command_line.h"

#include <algorithm>

namespace tandarel {

StartRequest startRequest(const std::vector<std::string>& arguments) {
    const auto given = [&](std::string_view option) {
        return std::find(arguments.begin(), arguments.end(), option) != arguments.end();
    };
    if (given("--help") || given("-h")) return StartRequest::Help;
    if (given("--version")) return StartRequest::Version;
    if (given(kDocumentsOption)) return StartRequest::InDocumentsFolder;
    return StartRequest::InCurrentFolder;
}

std::string programHelp() {
    return "Usage : tandarel [--dossier-documents]\n"
           "\n"
           "Planning des remplacements des personnels remplaçants d'une circonscription,\n"
           "analyses des remplacements et des non-remplacements.\n"
           "\n"
           "Dossier des données : le programme lit et écrit ses fichiers (personnels.pln,\n"
           "Rattachements.pln, semaine.pln et un fichier par semaine, AA_AA/aa_mm_jj.pln) dans le\n"
           "dossier courant, celui où il est lancé depuis un terminal. Avec --dossier-documents,\n"
           "comme depuis le menu des applications, il les garde dans le dossier « Tandarel » du\n"
           "dossier Documents de l'utilisateur, qu'il crée au premier lancement.\n"
           "\n"
           "Options :\n"
           "  --dossier-documents   dossier des données : « Tandarel » dans les documents\n"
           "  --version             affiche la version et s'arrête\n"
           "  --help                affiche cette aide et s'arrête\n";
}

}  // namespace tandarel
