#include "core/run/sort/ParallelRanges.h"

#include <algorithm>
#include <exception>
#include <system_error>
#include <thread>

namespace core {

std::vector<std::size_t> forEachRange(std::size_t count, std::size_t minimumPerRange,
                                      const std::function<void(std::size_t begin, std::size_t end)>& work) {
    const std::size_t most = std::max<std::size_t>(1, count / std::max<std::size_t>(1, minimumPerRange));
    const std::size_t ranges = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, most);
    std::vector<std::size_t> bounds{0};
    // What a range throws (memory running out) goes to the caller once every thread is done: escaping a thread
    // would end the program.
    std::vector<std::exception_ptr> failures(ranges);
    const auto guarded = [&work, &failures](std::size_t range, std::size_t begin, std::size_t end) {
        try {
            work(begin, end);
        } catch (...) {
            failures[range] = std::current_exception();
        }
    };
    std::vector<std::thread> threads;
    for (std::size_t range = 1; range < ranges; ++range) {
        const std::size_t end = count * range / ranges;
        try {
            threads.emplace_back(guarded, range - 1, bounds.back(), end);
        } catch (const std::system_error&) {
            break; // the calling thread does the rest
        }
        bounds.push_back(end);
    }
    guarded(ranges - 1, bounds.back(), count);
    bounds.push_back(count);
    for (std::thread& thread : threads)
        thread.join();
    for (const std::exception_ptr& failure : failures)
        if (failure)
            std::rethrow_exception(failure);
    return bounds;
}

} // namespace core
