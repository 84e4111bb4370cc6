#pragma once

#include "core/run/select/ContactSelection.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace core {

// tallivo-run's command line: REPORT [--output excel|csv] [--scope current|lookup|all] [--users NAME,...]
// [--to FILE] [--no-launch]. What is not given comes from the main window's stored choices.
struct BatchOptions {
    QString report;
    std::optional<int> outputType;
    std::optional<Scope> scope;
    std::optional<QStringList> users; // turns the manager filter on with these users
    std::optional<QString> to;
    bool noLaunch = false;
};

struct ParsedBatchOptions {
    BatchOptions options;
    QString usageError; // "" when the command line is good
    bool help = false;
};

ParsedBatchOptions parseBatchOptions(const QStringList& arguments);

QString batchUsage();

} // namespace core
