#include "core/run/sort/ParallelRanges.h"

#include <algorithm>
#include <system_error>
#include <thread>

namespace core {

std::vector<std::size_t> forEachRange(std::size_t count, std::size_t minimumPerRange,
                                      const std::function<void(std::size_t begin, std::size_t end)>& work) {
    const std::size_t most = std::max<std::size_t>(1, count / std::max<std::size_t>(1, minimumPerRange));
    const std::size_t ranges = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, most);
    std::vector<std::size_t> bounds{0};
    std::vector<std::thread> threads;
    for (std::size_t range = 1; range < ranges; ++range) {
        const std::size_t end = count * range / ranges;
        try {
            threads.emplace_back(work, bounds.back(), end);
        } catch (const std::system_error&) {
            break; // the calling thread does the rest
        }
        bounds.push_back(end);
    }
    work(bounds.back(), count);
    bounds.push_back(count);
    for (std::thread& thread : threads)
        thread.join();
    return bounds;
}

} // namespace core
