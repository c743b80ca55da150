#pragma once

#include <filesystem>
#include <string>
#include <system_error>
#include <utility>

#include "core/error.h"

namespace tandarel {

// An input/output failure on a data file. `what()` is the French sentence shown to
// the user: it names the file and the system's reason. The operation that met it stops.
class FileError : public Error {
public:
    FileError(const std::string& frenchMessage, std::filesystem::path file)
        : Error(frenchMessage), file_(std::move(file)) {}
    const std::filesystem::path& file() const { return file_; }

private:
    std::filesystem::path file_;
};

// A FileError met part-way through a series of files: it carries what was done before it,
// so that the user is told both.
template <typename Done>
class StoppedPartWay : public FileError {
public:
    StoppedPartWay(const FileError& error, Done done) : FileError(error), done_(std::move(done)) {}
    const Done& done() const { return done_; }

private:
    Done done_;
};

// The path as the user knows it: relative to the data folder when it lies inside it.
std::string displayPath(const std::filesystem::path& file);

// The system's reason for a failure, in French whatever the system's language (the code,
// not its text, says which); a cause without a French text keeps the system's own.
std::string systemReason(const std::error_code& error);
std::string systemReason(int errnoValue);

// Runs `work`; a FileError goes to `report` as its sentence, and the work stops there.
// Returns whether the work ran to its end.
template <typename Work, typename Report>
bool reportingFileErrors(Work&& work, Report&& report) {
    try {
        std::forward<Work>(work)();
        return true;
    } catch (const FileError& failure) {
        std::forward<Report>(report)(std::string(failure.what()));
        return false;
    }
}

[[noreturn]] void throwReadError(const std::filesystem::path& file, const std::string& reason);
// Says that the previous file is kept where there was one, and that none was made otherwise.
[[noreturn]] void throwWriteError(const std::filesystem::path& file, const std::string& reason);

}  // namespace tandarel
