#pragma once

#include <string_view>

namespace tandarel {

// Shown by the About window after the program's name.
inline constexpr std::string_view kProgramName = "Tandarel";
inline constexpr std::string_view kVersionText = "( Version 4.1 - Août 2007 )";

}  // namespace tandarel
