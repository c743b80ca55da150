#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/calendar.h"
#include "core/reference_files.h"
#include "core/week_grid.h"

namespace tandarel::testing {

// Deterministic data folders with realistic contents, for benchmarks and tests: the
// same options always give the same bytes, on every platform.
struct GeneratedFolder {
    int substitutes = 100;
    int schools = 40;
    std::string workingWeek = "LUM;LUAM;MAM;MAAM;MEM;;JEM;JEAM;VEM;VEAM;;;";
    Date firstMonday{2004, 8, 2};
    int weeks = 52;
    std::uint32_t seed = 1;
};

std::vector<Substitute> generatedSubstitutes(int count, std::uint32_t seed);
std::vector<std::string> generatedSchools(int count);

// One planned week: schools and motifs with teachers' names, "HTS", "Indisponible",
// non-replacement counts; now and then a holiday week, all "HTS".
WeekGrid generatedWeek(const std::vector<Substitute>& substitutes, const std::vector<std::string>& schools,
                       const WorkingWeekSlots& slots, const Date& monday, std::uint32_t seed);

// Writes personnels.pln, Rattachements.pln, semaine.pln and every week file. Returns the week files.
std::vector<std::filesystem::path> generateDataFolder(const std::filesystem::path& folder,
                                                      const GeneratedFolder& options);

}  // namespace tandarel::testing
