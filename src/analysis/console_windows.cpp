#include "analysis/console.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <iostream>

#include "core/wide_text_windows.h"

namespace tandarel {

ConsoleSession::ConsoleSession() : previousCodePage_(GetConsoleOutputCP()) {
    SetConsoleOutputCP(CP_UTF8);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

ConsoleSession::~ConsoleSession() {
    // The console decodes bytes as they are written: all of them go out before the code page changes back.
    std::cout.flush();
    std::cerr.flush();
    std::fflush(stdout);
    std::fflush(stderr);
    if (previousCodePage_ != 0) SetConsoleOutputCP(previousCodePage_);
}

std::vector<std::string> commandLineArguments(int argc, char** argv) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) return argc < 2 ? std::vector<std::string>() : std::vector<std::string>(argv + 1, argv + argc);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(utf8FromWide(wide[i]));
    LocalFree(wide);
    return arguments;
}

}  // namespace tandarel
