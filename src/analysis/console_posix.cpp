#include "analysis/console.h"

namespace tandarel {

// The terminal takes the bytes as they are, and the arguments come as they were typed.
ConsoleSession::ConsoleSession() = default;
ConsoleSession::~ConsoleSession() = default;

std::vector<std::string> commandLineArguments(int argc, char** argv) {
    if (argc < 2) return {};
    return std::vector<std::string>(argv + 1, argv + argc);
}

}  // namespace tandarel
