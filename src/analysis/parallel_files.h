#pragma once

#include <cstddef>
#include <functional>

namespace tandarel {

// Calls `work(index)` once for each index of [0, count), on the caller's thread and on
// as many more as the processor has cores for (at most 3 more), each thread taking the
// next index not yet taken. Once `work` returns false no further index is taken; the
// indexes already taken are all worked, so every index below the one that stopped is.
// A few indexes run on the caller's thread alone: starting a thread costs more. `work`
// must not throw.
void forEachIndexInParallel(std::size_t count, const std::function<bool(std::size_t index)>& work);

}  // namespace tandarel
