#include "analysis/bilan_tool.h"

#include <algorithm>
#include <ostream>

#include "analysis/bilan_comparison.h"
#include "analysis/bilan_export.h"
#include "analysis/bilan_report.h"
#include "analysis/report_tool.h"
#include "analysis/result_export.h"
#include "analysis/week_collection.h"
#include "core/fields.h"

namespace tandarel {
namespace {

constexpr std::string_view kBilanWord = "bilan";
constexpr std::string_view kCsvFlag = "--csv";

void printTable(std::ostream& out, const BilanReport& report) {
    out << report.title << " (" << report.periodText << ")\n";
    out << "Fichiers analysés :\n";
    for (const auto& file : report.files) out << "  " << file << '\n';
    if (report.files.empty()) out << "  (aucun)\n";
    out << '\n';
    GridRows grid{report.headers};
    for (const auto& row : report.rows) grid.push_back(bilanCells(row));
    if (report.totals) grid.push_back(bilanCells(*report.totals));
    printGrid(out, grid);
}

int print(const BilanReport& report, bool csv, std::ostream& out, std::ostream& err) {
    printMessages(err, report.messages);
    if (csv)
        out << bilanCsv(report);
    else
        printTable(out, report);
    return kReportDone;
}

}  // namespace

bool isBilanRequest(const std::vector<std::string>& arguments) {
    const auto first = std::find_if(arguments.begin(), arguments.end(), [](const std::string& a) { return a != kCsvFlag; });
    return first != arguments.end() && *first == kBilanWord;
}

int runBilanTool(const std::vector<std::string>& all, const std::filesystem::path& dataFolder, const Date& today,
                 std::ostream& out, std::ostream& err) {
    std::vector<std::string> arguments;
    bool csv = false;
    for (const auto& argument : all) {
        if (argument == kCsvFlag)
            csv = true;
        else
            arguments.push_back(argument);
    }
    // arguments[0] is "bilan".
    if (arguments.size() < 2) throw ReportUsageError("bilan manquant (remplacants, ecoles, enseignants, alertes ou comparaison)");
    const auto kind = bilanKindOfWord(arguments[1]);
    if (!kind)
        throw ReportUsageError("bilan inconnu « " + arguments[1] +
                               " » (remplacants, ecoles, enseignants, alertes ou comparaison)");
    if (*kind == BilanKind::Comparison) {
        const auto periodKind = periodKindFromArguments({arguments.begin() + 2, arguments.end()}, 0);
        const auto comparison = compareSchoolYears(dataFolder, periodKind, today);
        if (!comparison.refusal.empty()) {
            printMessages(err, comparison.refusal);
            return kReportRefused;
        }
        if (comparison.report.rows.empty()) {
            err << noWeekFileMessage(periodKind.mode) << '\n';
            return kReportNoWeekFile;
        }
        return print(comparison.report, csv, out, err);
    }
    const auto step = periodFromArguments(arguments, 2, today, FuturePeriods::CutAtToday);
    if (!step.period) {
        printMessages(err, step.messages);
        return kReportRefused;
    }
    const auto& period = *step.period;
    const auto files = collectWeekFiles(dataFolder, period.start, period.end);
    if (files.empty()) {
        err << noWeekFileMessage(period.mode) << '\n';
        return kReportNoWeekFile;
    }
    return print(runBilan(*kind, files, period), csv, out, err);
}

std::string bilanHelp() {
    return "BILAN (tandarel-analyse bilan NOM PLAGE [--csv]) :\n"
           "  remplacants   par remplaçant : jours par motif, mise à disposition, inconnu,\n"
           "                indisponible ; le total est celui de l'analyse des remplacements\n"
           "  ecoles        par école : les plages où un remplaçant y est placé, par motif\n"
           "  enseignants   par enseignant remplacé, par motif\n"
           "  alertes       les jours où des absences sont restées non remplacées alors que\n"
           "                des remplaçants étaient mis à disposition\n"
           "  comparaison   annee | trimestre T [JJ/MM] | mois M : la même période dans chaque\n"
           "                année scolaire qui a des fichiers de semaine\n"
           "  Une plage qui dépasse aujourd'hui est arrêtée à aujourd'hui (« au JJ/MM/AA ») ;\n"
           "  une plage qui commence après aujourd'hui est refusée. Avec --csv : la ligne\n"
           "  d'en-tête puis une ligne par ligne du bilan, « Totaux » en dernier.\n";
}

}  // namespace tandarel
