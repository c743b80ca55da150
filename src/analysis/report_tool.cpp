#include "analysis/report_tool.h"

#include <algorithm>
#include <optional>
#include <ostream>

#include "analysis/bilan_tool.h"
#include "analysis/non_replacement_analysis.h"
#include "analysis/replacement_analysis.h"
#include "analysis/week_collection.h"
#include "core/build_version.h"
#include "core/fields.h"
#include "core/file_error.h"
#include "core/reference_files.h"
#include "core/text_file.h"

namespace tandarel {
namespace {

struct Request {
    bool replacements = true;
    bool csv = false;
    PeriodStep step;
};

Request parse(std::vector<std::string> arguments, const Date& today) {
    Request request;
    const auto csv = std::remove(arguments.begin(), arguments.end(), "--csv");
    request.csv = csv != arguments.end();
    arguments.erase(csv, arguments.end());
    if (arguments.size() < 2) throw ReportUsageError("arguments manquants");
    if (arguments[0] == "remplacements")
        request.replacements = true;
    else if (arguments[0] == "non-remplacements")
        request.replacements = false;
    else
        throw ReportUsageError("analyse inconnue « " + arguments[0] + " » (remplacements ou non-remplacements)");
    request.step = periodFromArguments(arguments, 1, today, FuturePeriods::Refused);
    return request;
}

// A grid cell as the CSV holds it: no padding blanks, no " %".
std::string csvCell(std::string_view cell) {
    auto text = trimmed(cell);
    if (text.size() >= 2 && text.substr(text.size() - 2) == " %") text = trimmed(text.substr(0, text.size() - 2));
    return std::string(text);
}

// What a French spreadsheet opens right by a double click: a byte-order mark, or it reads the accents as
// Windows-1252; CR LF line ends; ";" between fields and decimal commas, as the French locale expects.
void printCsv(std::ostream& out, const GridRows& rows) {
    out << "\xEF\xBB\xBF";
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) out << (c ? ";" : "") << csvCell(row[c]);
        out << "\r\n";
    }
}

void printWalk(std::ostream& out, const PeriodWalk& walk) {
    out << "Plage retenue pour l'analyse :\n"
        << "  Date de début : " << walk.rangeStart << '\n'
        << "  Date de fin : " << walk.rangeEnd << '\n'
        << "Liste des fichiers analysés :\n";
    for (const auto& file : walk.files) out << "  " << file.text << '\n';
    out << "Liste des jours analysés :\n";
    for (const auto& day : walk.days)
        out << (day.text.empty() ? "" : "  " + day.text) << (day.colour == kHtsDayColour && !day.text.empty() ? "  (HTS)" : "")
            << '\n';
}

int run(const Request& request, const std::filesystem::path& dataFolder, std::ostream& out, std::ostream& err) {
    const auto& period = *request.step.period;
    const auto files = collectWeekFiles(dataFolder, period.start, period.end);
    if (files.empty()) {
        err << noWeekFileMessage(period.mode) << '\n';
        return kReportNoWeekFile;
    }
    if (request.replacements) {
        const auto personnels = dataFolder / kSubstitutesFile;
        const int seed = entryExists(personnels) ? substituteSeed(readTextLines(personnels).size()) : 0;
        const auto analysis = analyseReplacements(files, period, {seed, seed});
        printMessages(err, analysis.walk.messages);
        const auto grid = replacementGrid(analysis.counts, percentages(analysis.counts));
        if (request.csv) {
            printCsv(out, grid);
            return kReportDone;
        }
        out << "Analyse des remplacements (" << period.startText << " - " << period.endText << ")\n";
        printWalk(out, analysis.walk);
        out << "Résultat de l'analyse (en jours) :\n";
        printGrid(out, grid);
        const auto substitutes = substituteLine(analysis.substitutes);
        out << trimmed(substitutes.label) << ' ' << substitutes.value << '\n';
        return kReportDone;
    }
    const auto analysis = analyseNonReplacements(files, period);
    printMessages(err, analysis.walk.messages);
    if (barChart(analysis.days).empty()) err << kNothingMissedMessage << '\n';
    const auto grid = nonReplacementGrid(analysis);
    if (request.csv) {
        printCsv(out, grid);
        return kReportDone;
    }
    out << "Analyse des non-remplacements (" << period.startText << " - " << period.endText << ")\n";
    printWalk(out, analysis.walk);
    out << "Résultat de l'analyse (en jours) :\n";
    printGrid(out, grid);
    return kReportDone;
}

std::string padded(std::string_view text, std::size_t width, bool right) {
    const auto count = characterCount(text);
    const std::string fill(width > count ? width - count : 0, ' ');
    return right ? fill + std::string(text) : std::string(text) + fill;
}

}  // namespace

PeriodKind periodKindFromArguments(const std::vector<std::string>& a, std::size_t yearWords) {
    if (a.empty()) throw ReportUsageError("arguments manquants");
    const auto& mode = a[0];
    const std::size_t at = 1 + yearWords;  // the first entry after the school year
    auto expect = [&](std::size_t low, std::size_t high) {
        if (a.size() < at + low || a.size() > at + high)
            throw ReportUsageError("nombre d'arguments incorrect pour « " + mode + " »");
    };
    PeriodKind kind;
    if (mode == "annee") {
        expect(0, 0);
    } else if (mode == "trimestre") {
        expect(1, 2);
        kind.mode = PeriodMode::Trimester;
        kind.trimester = a[at];
        if (a.size() == at + 2) {
            if (trimmed(kind.trimester) == "1") throw ReportUsageError("la date-charnière ne sert qu'aux trimestres 2 et 3");
            kind.boundary = a[at + 1];
        }
    } else if (mode == "mois") {
        expect(1, 1);
        kind.mode = PeriodMode::Month;
        kind.month = a[at];
    } else {
        throw ReportUsageError("type de plage inconnu « " + mode + " » " +
                               (yearWords ? "(annee, trimestre, mois ou plage)" : "(annee, trimestre ou mois)"));
    }
    return kind;
}

PeriodStep periodFromArguments(const std::vector<std::string>& arguments, std::size_t first, const Date& today,
                               FuturePeriods rule) {
    // The mode's word, then its entries.
    const std::vector<std::string> a(arguments.begin() + static_cast<std::ptrdiff_t>(std::min(first, arguments.size())),
                                     arguments.end());
    if (!a.empty() && a[0] == "plage") {
        if (a.size() != 3) throw ReportUsageError("nombre d'arguments incorrect pour « plage »");
        return validateDateRange(a[1], a[2], today, rule);
    }
    return periodOfKind(periodKindFromArguments(a, 1), a[1], today, rule);
}

void printGrid(std::ostream& out, const GridRows& rows) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (widths.size() <= c) widths.push_back(0);
            widths[c] = std::max(widths[c], characterCount(c ? trimmed(row[c]) : std::string_view(row[c])));
        }
    for (const auto& row : rows) {
        out << "  ";
        for (std::size_t c = 0; c < row.size(); ++c)
            out << (c ? "   " : "") << padded(c ? trimmed(row[c]) : std::string_view(row[c]), widths[c], c != 0);
        out << '\n';
    }
}

void printMessages(std::ostream& err, const std::vector<std::string>& messages) {
    for (const auto& message : messages) err << message << '\n';
}

std::string reportHelp() {
    return std::string("Usage : tandarel-analyse [--csv] ANALYSE PLAGE\n"
           "        tandarel-analyse [--csv] bilan NOM PLAGE\n"
           "        tandarel-analyse [--csv] bilan comparaison annee | trimestre T [JJ/MM] | mois M\n"
           "        tandarel-analyse --version | --help\n"
           "\n"
           "Analyse les fichiers de semaine du dossier courant (le dossier des données) sur une\n"
           "plage de dates, comme les fenêtres d'analyse du programme.\n"
           "\n"
           "Le dossier des données est celui où le programme tandarel est lancé ; lancé depuis le\n"
           "menu des applications, il garde ses données dans le dossier « Tandarel » du dossier\n"
           "Documents de l'utilisateur : placez-vous d'abord dans ce dossier\n"
           "(par exemple : cd ~/Documents/Tandarel).\n"
           "\n"
           "ANALYSE :\n"
           "  remplacements        jours de remplacement par motif d'absence, avec pourcentages\n"
           "  non-remplacements    jours d'absence non remplacés, par motif\n"
           "\n"
           "PLAGE :\n"
           "  annee AA/AA                  une année scolaire (du 01/08 au 31/07), ex. : annee 04/05\n"
           "  trimestre AA/AA T [JJ/MM]    le trimestre T (1, 2 ou 3) ; pour les trimestres 2 et 3,\n"
           "                               JJ/MM est la date-charnière entre eux (mois 03, 04 ou 05)\n"
           "  mois AA/AA M                 le mois M (1 à 12) de l'année scolaire\n"
           "  plage JJ/MM/AA JJ/MM/AA      de la date de début à la date de fin, incluses\n"
           "\n" +
           bilanHelp() +
           "\n"
           "Options :\n"
           "  --csv       n'écrit que la grille de résultat, en CSV qu'un tableur français ouvre\n"
           "              tel quel (UTF-8 avec indicateur d'ordre des octets, lignes terminées par\n"
           "              CR LF, champs séparés par « ; ») : la ligne d'en-tête puis une ligne par\n"
           "              ligne de la grille, jours avec une virgule décimale (2,25), pourcentages\n"
           "              en nombres entiers sans « % »\n"
           "  --version   affiche la version\n"
           "  --help      affiche cette aide\n"
           "\n"
           "Sans --csv, le rapport donne la plage retenue, les fichiers et les jours analysés\n"
           "(« (HTS) » : jour entièrement hors temps scolaire), la grille de résultat et, pour les\n"
           "remplacements, le nombre de personnels.\n"
           "\n"
           "Les messages que les fenêtres afficheraient (saisie refusée, donnée non traitée...)\n"
           "sont écrits sur la sortie d'erreur.\n"
           "\n"
           "Code de sortie :\n"
           "  0  analyse faite\n"
           "  1  aucun fichier de semaine dans la plage\n"
           "  2  saisie refusée (message de la fenêtre) ou arguments incorrects\n"
           "  3  un fichier n'a pas pu être lu\n");
}

int runAnalysisReport(const std::vector<std::string>& arguments, const std::filesystem::path& dataFolder,
                      const Date& today, std::ostream& out, std::ostream& err) {
    if (std::find_if(arguments.begin(), arguments.end(), [](const std::string& a) { return a == "--help" || a == "-h"; }) !=
        arguments.end()) {
        out << reportHelp();
        return kReportDone;
    }
    if (std::find(arguments.begin(), arguments.end(), "--version") != arguments.end()) {
        out << kVersionLine << '\n';
        return kReportDone;
    }
    try {
        if (isBilanRequest(arguments)) return runBilanTool(arguments, dataFolder, today, out, err);
        const auto request = parse(arguments, today);
        if (request.step.refused() || !request.step.period) {
            printMessages(err, request.step.messages);
            return kReportRefused;
        }
        return run(request, dataFolder, out, err);
    } catch (const ReportUsageError& usage) {
        err << "tandarel-analyse : " << usage.what() << "\nEssayez « tandarel-analyse --help ».\n";
        return kReportRefused;
    } catch (const FileError& failure) {
        // What the files before an unreadable one said comes first, as in the windows.
        if (const auto* week = dynamic_cast<const UnreadableWeekFile*>(&failure))
            printMessages(err, week->messagesBefore());
        err << failure.what() << '\n';
        return kReportReadError;
    }
}

}  // namespace tandarel
