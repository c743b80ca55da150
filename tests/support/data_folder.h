#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tandarel::testing {

// A fresh, empty data folder for one test, removed afterwards.
class DataFolder {
public:
    DataFolder();
    ~DataFolder();
    DataFolder(const DataFolder&) = delete;
    DataFolder& operator=(const DataFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

    // Raw bytes, exactly as given (write CR LF and Windows-1252 yourself, or use writeLines).
    void writeBytes(std::string_view relative, std::string_view bytes) const;
    // UTF-8 lines written as Windows-1252, CR LF after each.
    void writeLines(std::string_view relative, const std::vector<std::string>& lines) const;
    std::string readBytes(std::string_view relative) const;
    bool exists(std::string_view relative) const;
    // Names of the entries of the folder (or of a sub-folder), sorted.
    std::vector<std::string> entries(std::string_view relative = "") const;

private:
    std::filesystem::path path_;
};

// "a;b" "c;d" -> "a;b\r\nc;d\r\n", each line Windows-1252.
std::string cp1252Lines(const std::vector<std::string>& utf8Lines);

}  // namespace tandarel::testing
