#pragma once

#include "core/settings/SettingsStore.h"

#include <QByteArray>
#include <QString>

namespace core::definition {

// The lines of a definition file, checked as a whole.
struct ParsedLines {
    SettingsStore::Pairs pairs; // one per key, the later line's value where a key repeats
    int badLine = 0;            // the 1-based number of the first line that is not a setting; 0 when all are
    QString problem;            // what is wrong with it
};

// Lines end in CR, LF, CR LF or LF CR.
ParsedLines parse(const QString& text);

struct FormattedLines {
    QByteArray bytes;
    QString problem; // a setting that a definition file cannot hold: "" when there is none
};

// One key=value line a pair, each ending in CR LF, in the order given, encoded for the system code page.
FormattedLines format(const SettingsStore::Pairs& pairs);

} // namespace core::definition
