#pragma once

#include <string>

namespace tandarel {

// Quarter-days as days with a decimal comma and two decimals: 9 -> "2,25", 10 -> "2,50".
std::string formatDays(long quarterDays);
// The same, after the blanks that push it to the right of its cell (1 to 11 by length).
std::string paddedDays(long quarterDays);
// "34 %" after 2, 4 or 6 blanks (from 100 up, from 10, below 10).
std::string paddedPercent(int percent);

// 27 blanks then "Totaux": the label of the total row of both result grids.
inline const std::string kTotalRowLabel = std::string(27, ' ') + "Totaux";

}  // namespace tandarel
