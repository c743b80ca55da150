#include <ctime>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "analysis/report_tool.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

// tandarel-analyse: the analyses without a window, on the current folder.
int main(int argc, char** argv) {
#ifdef _WIN32
    // The same bytes as on Linux: the CSV writes its own CR LF, which text mode would turn into CR CR LF.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    const tandarel::Date today{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
    std::error_code ec;
    auto folder = std::filesystem::current_path(ec);
    if (ec) folder = ".";
    return tandarel::runAnalysisReport(std::vector<std::string>(argv + 1, argv + argc), folder, today, std::cout,
                                       std::cerr);
}
