// The CSV files act-standin imports.
#include "standin/CsvReader.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream input(std::string(reinterpret_cast<const char*>(data), size));
    standin::CsvReader reader(input);
    std::vector<std::string> cells;
    while (reader.next(cells)) {
    }
    return 0;
}
