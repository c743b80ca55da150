// The driver of scripts/crash-test.sh: saves a week again and again through the
// planning window's own save, to be killed at random moments; then checks, as the next
// start would, that the week file reads whole and that no temporary file stays behind.
//
//   planning_save_loop prepare <folder>   a generated data folder, the week at version 0
//   planning_save_loop loop <folder>      loads the week, then saves versions 1, 2, ... until killed
//   planning_save_loop check <folder>     the start-up clean-up, then the week must be one whole version
#include <filesystem>
#include <iostream>
#include <string>

#include "core/atomic_file.h"
#include "core/text_file.h"
#include "core/week_file.h"
#include "data_generator.h"
#include "planning/planning_week.h"

namespace {

using namespace tandarel;
namespace fs = std::filesystem;

const testing::GeneratedFolder kFolder{.substitutes = 100, .weeks = 1};
const std::string kVersionPrefix = "M¤Version ";

WeekGrid baseWeek() {
    return testing::generatedWeek(testing::generatedSubstitutes(kFolder.substitutes, kFolder.seed),
                                  testing::generatedSchools(kFolder.schools),
                                  parseWorkingWeekLine(kFolder.workingWeek), kFolder.firstMonday, kFolder.seed);
}

// Version k of the week: a cell of every block changes, and so does the file's length,
// so that a file made of two versions, or cut short, is told from any whole one.
WeekGrid weekVersion(const WeekGrid& base, long version) {
    WeekGrid grid = base;
    grid.setCell(2, 2, kVersionPrefix + std::to_string(version));
    for (int block = 1; block < grid.substituteCount(); ++block)
        grid.setCell(1 + kBlockRows * block + 1, 2 + static_cast<int>(version % 5),
                     "E¤" + std::to_string(version));
    grid.setCell(3, 3, std::string(static_cast<std::size_t>(version % 300), 'x'));
    return grid;
}

long versionOf(const WeekGrid& grid) {
    const auto& marker = grid.cell(2, 2);
    if (marker.rfind(kVersionPrefix, 0) != 0) return -1;
    return std::stol(marker.substr(kVersionPrefix.size()));
}

PlanningWeek openWeek(const fs::path& folder) {
    PlanningWeek week;
    week.setSources(folder, planningSubstitutes(readTextLines(folder / kSubstitutesFile)),
                    parseWorkingWeekLine(readFirstLine(folder / kWorkingWeekFile)));
    week.moveTo(kFolder.firstMonday);
    return week;
}

int loop(const fs::path& folder) {
    auto week = openWeek(folder);
    const auto base = baseWeek();
    for (long version = versionOf(week.grid()) + 1;; ++version) {
        week.grid() = weekVersion(base, version);
        week.save();
    }
}

int check(const fs::path& folder) {
    const int removed = removeLeftoverTemporaries(folder);
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (isTemporaryFileName(entry.path().filename())) {
            std::cout << "temporary left after the clean-up: " << entry.path() << "\n";
            return 1;
        }
    const auto stored = loadWeek(folder, kFolder.firstMonday);  // FileError when it does not read whole
    if (!stored) {
        std::cout << "the week file is gone\n";
        return 1;
    }
    const long version = versionOf(*stored);
    const auto file = weekFilePath(folder, kFolder.firstMonday);
    if (version < 0 || readFileBytes(file) != encodeTextLines(formatWeekLines(weekVersion(baseWeek(), version)), file)) {
        std::cout << "the week file is no whole version (marker " << stored->cell(2, 2) << ")\n";
        return 1;
    }
    std::cout << "version " << version << " removed " << removed << "\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: planning_save_loop prepare|loop|check <folder>\n";
        return 2;
    }
    const std::string command = argv[1];
    const fs::path folder = argv[2];
    try {
        if (command == "prepare") {
            testing::generateDataFolder(folder, kFolder);
            saveWeek(folder, kFolder.firstMonday, weekVersion(baseWeek(), 0));
            return 0;
        }
        if (command == "loop") return loop(folder);
        if (command == "check") return check(folder);
    } catch (const std::exception& e) {
        std::cout << e.what() << "\n";
        return 1;
    }
    return 2;
}
