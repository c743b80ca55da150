#pragma once

#include <cstdint>

#include "core/week_grid.h"

namespace tandarel {

// Fill colour (0xBBGGRR) of a grid cell on screen: blocks of substitutes alternate,
// the counts, the header and "HTS" cells stand out.
std::uint32_t cellColour(const WeekGrid& grid, int row, int column);

}  // namespace tandarel
