#pragma once

#include "core/settings/SettingsStore.h"

#include <QString>

namespace core {

// The report definition file (NAME.DXL for an Excel report, NAME.DCS for a CSV report) and the working copy, section
// "Report" of the settings store. Lines are key=value, CR LF when written, ending in CR, LF, CR LF or LF CR when read;
// the value is everything after the first "="; empty lines are skipped; a later line wins over an earlier one with
// the same key.

// Report folder path + name + the output type's extension; "" for an output type that is neither 0 nor 1.
QString definitionPath(const QString& reportFolder, const QString& reportName, int outputType);

struct DefinitionLoad {
    enum class Status { Loaded, Missing, BadLine, Unreadable, StoreFailed };
    Status status = Status::Loaded;
    int line = 0;        // BadLine: the 1-based number of the first bad line
    QString description; // why, in plain words, for everything but Loaded and Missing
    bool ok() const { return status == Status::Loaded; }
};

// Reads the whole file first and replaces the working copy only when every line is good (a line without "=", or a
// key the store cannot hold, is bad); otherwise the working copy stays as it was. Missing: no file, a folder in its
// place, or an output type that has no definition file.
DefinitionLoad Load_DefFile(SettingsStore& store, const QString& reportFolder, const QString& reportName,
                            int outputType);

struct DefinitionSave {
    bool ok = true;
    QString description; // why it failed, in plain words
};

// Writes the working copy over the definition file atomically: on failure the old file stays whole. A setting that
// would not load back the same (a line break in it, "=" in its key, a character the code page lacks) is a failure.
DefinitionSave Update_DefFile(const SettingsStore& store, const QString& reportFolder, const QString& reportName,
                              int outputType);

} // namespace core
