#pragma once

#include <string>
#include <system_error>

namespace tandarel {

// The system's own wording of an error, as UTF-8, without a final period. On Windows a
// system error code is worded by the system in the user's language; its narrow text would be
// in the ANSI code page, so it is read as UTF-16 and converted. One file per platform.
std::string systemErrorText(const std::error_code& error);

}  // namespace tandarel
