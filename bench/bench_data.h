#pragma once

#include <filesystem>
#include <vector>

#include "data_generator.h"

namespace tandarel::bench {

// A generated data folder, made once per run in the temporary folder and removed at exit.
struct BenchFolder {
    std::filesystem::path path;
    std::vector<std::filesystem::path> weekFiles;
};

// 100 substitutes, a 5-day week, every week of `years` school years from 2004/05 on.
const BenchFolder& schoolYears(int years);
// One week of `substitutes` substitutes.
const BenchFolder& bigWeek(int substitutes = 200);

// Every byte of the files: what the disk and memory cost anyway.
std::size_t readAllBytes(const std::vector<std::filesystem::path>& files);

}  // namespace tandarel::bench
