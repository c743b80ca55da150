#pragma once

#include <string>
#include <vector>

namespace tandarel {

// The terminal of tandarel-analyse for the time of a run. On Windows the console shows
// UTF-8 (its previous code page comes back at the end, once the output is flushed) and the
// standard streams are binary, so that the bytes written are those of every platform: the
// CSV's "\r\n" is not doubled. One file per platform.
class ConsoleSession {
public:
    ConsoleSession();
    ~ConsoleSession();
    ConsoleSession(const ConsoleSession&) = delete;
    ConsoleSession& operator=(const ConsoleSession&) = delete;

private:
    unsigned previousCodePage_ = 0;
};

// The arguments after the program's name, as UTF-8. On Windows they are read as UTF-16:
// `argv` there is in the ANSI code page, which loses what it cannot hold.
std::vector<std::string> commandLineArguments(int argc, char** argv);

}  // namespace tandarel
