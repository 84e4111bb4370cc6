#pragma once

#include <cstddef>
#include <functional>
#include <vector>

namespace core {

// Runs work(begin, end) over [0, count) split into one range per processor core, the last range on the calling
// thread, and returns when all are done. A range is never shorter than minimumPerRange (below it a thread costs more
// than it saves); a system that starts no thread runs everything on the calling thread. Returns the bounds of the
// ranges that ran: 0, the end of each range.
std::vector<std::size_t> forEachRange(std::size_t count, std::size_t minimumPerRange,
                                      const std::function<void(std::size_t begin, std::size_t end)>& work);

} // namespace core
