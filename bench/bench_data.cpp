#include "bench_data.h"

#include <cstdlib>
#include <map>
#include <memory>

#include "core/text_file.h"

namespace tandarel::bench {
namespace {

struct Owned {
    BenchFolder folder;
    ~Owned() {
        std::error_code ignored;
        std::filesystem::remove_all(folder.path, ignored);
    }
};

const BenchFolder& make(const std::string& name, const testing::GeneratedFolder& options) {
    static std::map<std::string, std::unique_ptr<Owned>> folders;
    auto& slot = folders[name];
    if (!slot) {
        slot = std::make_unique<Owned>();
        slot->folder.path = std::filesystem::temp_directory_path() / ("tandarel-bench-" + name);
        std::filesystem::remove_all(slot->folder.path);
        std::filesystem::create_directories(slot->folder.path);
        slot->folder.weekFiles = testing::generateDataFolder(slot->folder.path, options);
    }
    return slot->folder;
}

}  // namespace

const BenchFolder& schoolYears(int years) {
    return make("years-" + std::to_string(years), {.substitutes = 100, .weeks = 52 * years});
}

const BenchFolder& bigWeek(int substitutes) {
    return make("week-" + std::to_string(substitutes), {.substitutes = substitutes, .weeks = 1});
}

std::size_t readAllBytes(const std::vector<std::filesystem::path>& files) {
    std::size_t total = 0;
    for (const auto& file : files) total += readFileBytes(file).size();
    return total;
}

}  // namespace tandarel::bench
