// act-standin: runs and inspects the stand-in contact manager (databases, state, lookups); see
// `act-standin --help`.
#include "standin/StandinCommands.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // Exports of a million contacts go through std::cout; unsynchronised it buffers like a file.
    std::ios::sync_with_stdio(false);
    return standin::StandinCommands(std::cout, std::cerr).run(QCoreApplication::arguments().mid(1));
}
