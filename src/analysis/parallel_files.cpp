#include "analysis/parallel_files.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

namespace tandarel {

void forEachIndexInParallel(std::size_t count, const std::function<bool(std::size_t index)>& work) {
    constexpr std::size_t kIndexesPerThread = 8;
    const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t threads = std::min({cores, std::size_t{4}, (count + kIndexesPerThread - 1) / kIndexesPerThread});
    std::atomic<std::size_t> nextIndex{0};
    std::atomic<bool> stopped{false};
    auto takeAndWork = [&] {
        while (!stopped.load(std::memory_order_relaxed)) {
            const std::size_t index = nextIndex.fetch_add(1, std::memory_order_relaxed);
            if (index >= count) return;
            if (!work(index)) stopped.store(true, std::memory_order_relaxed);
        }
    };
    std::vector<std::jthread> helpers;
    for (std::size_t i = 1; i < threads; ++i) {
        try {
            helpers.emplace_back(takeAndWork);
        } catch (const std::system_error&) {
            break;  // no thread to be had: the others do the work
        }
    }
    takeAndWork();
}

}  // namespace tandarel
