#include "data_folder.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "core/cp1252.h"

namespace tandarel::testing {

DataFolder::DataFolder() {
    static std::atomic<int> counter{0};
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("tandarel-test-" + std::to_string(random()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
}

DataFolder::~DataFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

void DataFolder::writeBytes(std::string_view relative, std::string_view bytes) const {
    const auto file = path_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("test could not write " + file.string());
}

void DataFolder::writeLines(std::string_view relative, const std::vector<std::string>& lines) const {
    writeBytes(relative, cp1252Lines(lines));
}

std::string DataFolder::readBytes(std::string_view relative) const {
    std::ifstream in(path_ / relative, std::ios::binary);
    if (!in) return {};
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

bool DataFolder::exists(std::string_view relative) const { return std::filesystem::exists(path_ / relative); }

std::vector<std::string> DataFolder::entries(std::string_view relative) const {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(path_ / relative, ec))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string cp1252Lines(const std::vector<std::string>& utf8Lines) {
    std::string bytes;
    for (const auto& line : utf8Lines) {
        const auto encoded = encodeCp1252(line);
        if (!encoded) throw std::runtime_error("not Windows-1252: " + line);
        bytes += *encoded + "\r\n";
    }
    return bytes;
}

}  // namespace tandarel::testing
