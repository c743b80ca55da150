#include "data_generator.h"

#include <array>

#include "core/text_file.h"
#include "core/week_file.h"

namespace tandarel::testing {
namespace {

// A small fixed generator: std::mt19937 is portable but its distributions are not.
class Random {
public:
    explicit Random(std::uint32_t seed) : state_(seed * 2654435761u + 1) {}
    std::uint32_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint32_t>(n)); }
    bool chance(int percent) { return below(100) < percent; }

private:
    std::uint32_t state_;
};

constexpr std::array<const char*, 10> kTowns = {"Vernelle en Lizonne", "St Aubrin", "Montcaret", "Brassac",
                                                "Lézignac", "Pradoux", "Écuras", "Tournaval", "Vaunac", "Bourg"};
constexpr std::array<const char*, 8> kSurnames = {"DORSANVAL", "MOURELLE", "LAFITTE", "BÉRAUD",
                                                  "CHASSAGNE", "DUPRAT", "ÉLIE", "ZANETTI"};
constexpr std::array<const char*, 8> kFirstNames = {"Rémi", "Sonia", "Hélène", "Paul",
                                                    "Anaïs", "Jérôme", "Léa", "Marc"};
constexpr std::array<const char*, 4> kMotifs = {"M", "E", "C", "A"};

}  // namespace

std::vector<Substitute> generatedSubstitutes(int count, std::uint32_t seed) {
    Random random(seed);
    std::vector<Substitute> list;
    for (int i = 0; i < count; ++i) {
        const auto town = kTowns[static_cast<std::size_t>(random.below(kTowns.size()))];
        list.push_back({std::string(kSurnames[static_cast<std::size_t>(i) % kSurnames.size()]) + " " +
                            std::to_string(i + 1) + " " + kFirstNames[static_cast<std::size_t>(random.below(8))],
                        town, std::string("Elémentaire ") + town, "05 53 " + std::to_string(10 + i % 90) + " 00 00",
                        random.chance(90) ? "Oui" : "Non"});
    }
    return list;
}

std::vector<std::string> generatedSchools(int count) {
    std::vector<std::string> schools;
    for (int i = 0; i < count; ++i)
        schools.push_back(std::string(kTowns[static_cast<std::size_t>(i) % kTowns.size()]) +
                          (i % 3 == 0 ? " - Mat " : " - Elém ") + "école " + std::to_string(i + 1));
    return schools;
}

WeekGrid generatedWeek(const std::vector<Substitute>& substitutes, const std::vector<std::string>& schools,
                       const WorkingWeekSlots& slots, const Date& monday, std::uint32_t seed) {
    Random random(seed ^ static_cast<std::uint32_t>(daysSinceEpoch(monday)));
    auto grid = buildNewWeek(substitutes, slots, monday);
    const bool holiday = random.chance(15);
    for (int column = kFirstDayColumn; column < grid.columnCount(); ++column) {
        if (holiday || random.chance(2)) {  // holidays and bank holidays
            for (int row = 1; row < grid.rowCount(); ++row) grid.setCell(row, column, "HTS");
            continue;
        }
        for (int k = 0; k < grid.substituteCount(); ++k) {
            const int block = 1 + kBlockRows * k;
            if (random.chance(3)) {
                for (int row = block; row < block + 8; ++row)
                    if (grid.cell(row, column) != "HTS") grid.setCell(row, column, "Indisponible");
                continue;
            }
            for (int plage = 0; plage < 4; ++plage) {
                const int school = block + 2 * plage;
                if (grid.cell(school, column) == "HTS" || !random.chance(75)) continue;
                grid.setCell(school, column, schools[static_cast<std::size_t>(random.below(static_cast<int>(schools.size())))]);
                const int motif = random.below(100);
                const char* letter = motif < 50 ? kMotifs[0] : motif < 70 ? kMotifs[1] : motif < 85 ? kMotifs[2] : kMotifs[3];
                grid.setCell(school + 1, column,
                             std::string(letter) + "¤" + kSurnames[static_cast<std::size_t>(random.below(8))] + " " +
                                 kFirstNames[static_cast<std::size_t>(random.below(8))]);
            }
        }
        const int section = grid.firstNonReplacementRow();
        for (int i = 0; i < 4; ++i)
            if (random.chance(30))
                grid.setCell(section + i, column, std::string(kMotifs[static_cast<std::size_t>(i)]) + "¤" +
                                                      std::to_string(1 + random.below(8)));
    }
    return grid;
}

std::vector<std::filesystem::path> generateDataFolder(const std::filesystem::path& folder,
                                                      const GeneratedFolder& options) {
    const auto substitutes = generatedSubstitutes(options.substitutes, options.seed);
    const auto schools = generatedSchools(options.schools);
    writeTextLines(folder / kSubstitutesFile, formatSubstitutes(substitutes));
    writeTextLines(folder / kSchoolsFile, formatSchools(schools));
    writeTextLines(folder / kWorkingWeekFile, {options.workingWeek});
    const auto slots = parseWorkingWeekLine(options.workingWeek);
    std::vector<std::filesystem::path> files;
    for (int week = 0; week < options.weeks; ++week) {
        const Date monday = addDays(options.firstMonday, 7L * week);
        saveWeek(folder, monday, generatedWeek(substitutes, schools, slots, monday, options.seed));
        files.push_back(weekFilePath(folder, monday));
    }
    return files;
}

}  // namespace tandarel::testing
