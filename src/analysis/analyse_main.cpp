#include <ctime>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "analysis/console.h"
#include "analysis/report_tool.h"

// tandarel-analyse: the analyses without a window, on the current folder.
int main(int argc, char** argv) {
    const tandarel::ConsoleSession console;
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
    return tandarel::runAnalysisReport(tandarel::commandLineArguments(argc, argv), folder, today, std::cout, std::cerr);
}
