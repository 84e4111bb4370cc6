// Times the stand-in's contact table through the automation interface on one database, each case the best of three,
// in processor seconds (user and system), which other work on the machine disturbs far less than the clock:
//   walk      MoveFirst/MoveNext over every contact, reading fields 1 and 6 (the record-id list of a report run)
//   goto      GoTo every record id in table order, reading 13 fields (filling the report grid)
//   shuffled  the same GoTo in a shuffled order
// Prints "contacts <count>", then "<case> <seconds> <bytes read>" a case; names after the database choose the cases.
#include "standin/StandinBackend.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int Runs = 3;
// The same fields bench/act_bench asks sqlite3 for.
constexpr int GridFields[] = {1, 2, 3, 4, 5, 6, 9, 12, 16, 17, 24, 26, 79};

// Every failure ends the program: a figure measured past an error would mean nothing.
template <typename T> T check(act::Result<T> result) {
    if (!result) {
        std::fprintf(stderr, "act_bench_walk: %s\n", result.error().description.c_str());
        std::exit(1);
    }
    return std::move(result).value();
}

void check(const act::Status& status) {
    if (!status) {
        std::fprintf(stderr, "act_bench_walk: %s\n", status.error().description.c_str());
        std::exit(1);
    }
}

// Walks the table, handing each contact to `visit`.
void walk(act::ContactTable& table, const std::function<void()>& visit) {
    check(table.MoveFirst());
    while (!check(table.IsEOF())) {
        visit();
        check(table.MoveNext());
    }
}

std::size_t readGrid(act::ContactTable& table, const std::vector<std::string>& ids) {
    std::size_t bytes = 0;
    for (const std::string& id : ids) {
        check(table.GoTo(id));
        for (int field : GridFields)
            bytes += check(table.Data(field)).size();
    }
    return bytes;
}

void report(const std::vector<std::string>& chosen, const std::string& name, const std::function<std::size_t()>& run) {
    if (!chosen.empty() && std::find(chosen.begin(), chosen.end(), name) == chosen.end())
        return;
    double best = 0;
    std::size_t bytes = 0;
    for (int i = 0; i < Runs; ++i) {
        const std::clock_t start = std::clock();
        bytes = run();
        const double took = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
        best = i == 0 ? took : std::min(best, took);
    }
    std::printf("%s %.3f %zu\n", name.c_str(), best, bytes);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: act_bench_walk DATABASE.actdb [walk|goto|shuffled ...]\n");
        return 2;
    }
    const std::vector<std::string> chosen(argv + 2, argv + argc);
    standin::StandinBackend backend;
    const auto database = backend.CreateDatabase();
    check(database->OpenEx(argv[1]));
    const auto table = check(database->Contact());

    std::vector<std::string> ids;
    walk(*table, [&] { ids.push_back(check(table->Data(1))); });
    std::vector<std::string> shuffled = ids;
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(1));
    std::printf("contacts %zu\n", ids.size());

    report(chosen, "walk", [&] {
        std::size_t bytes = 0;
        walk(*table, [&] { bytes += check(table->Data(1)).size() + check(table->Data(6)).size(); });
        return bytes;
    });
    report(chosen, "goto", [&] { return readGrid(*table, ids); });
    report(chosen, "shuffled", [&] { return readGrid(*table, shuffled); });
    check(database->Close());
    return 0;
}
