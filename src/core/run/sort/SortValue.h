#pragma once

#include "core/locale/RegionalReader.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace core {

enum class SortKind { Text, Date, Number };

// The kind a SortType value names: "S", "D" or "N"; nullopt for anything else, which sorts nothing.
std::optional<SortKind> sortKindOf(const QString& sortType);

// How much of a date or number cell a sort reads: the old reader's 32-character buffer held this many characters and
// its terminator.
inline constexpr qsizetype SortReadLimit = 31;

// The value a date or number sort gives a cell: a date as read, a number rounded to a whole number with halves to
// the even neighbour; emptyValue(kind) for an empty cell; nullopt when the cell cannot be read.
std::optional<double> sortValue(SortKind kind, QStringView text, const RegionalReader& reader);

// What an empty cell, or one that cannot be read, sorts as: zero for a number; for a date the empty (zero) date,
// which comes before every real date, those before 30 December 1899 included.
double emptyValue(SortKind kind);

} // namespace core
