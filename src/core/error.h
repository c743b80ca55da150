#pragma once

#include <optional>
#include <stdexcept>
#include <string>

namespace tandarel {

// A failure that stops an operation: a file that cannot be read or written, a damaged
// archive, a system that refuses a change. `what()` is the French text shown to the user
// (a window may add what it did or did not do). Every exception of the program is one of these.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& frenchMessage) : std::runtime_error(frenchMessage) {}
};

// What a check of an input (typed, or read from a file) answers: nothing when the input
// is accepted, otherwise the French sentence that says why it is not.
using Refusal = std::optional<std::string>;

}  // namespace tandarel
