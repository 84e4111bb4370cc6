#include "SortValue.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace core {

namespace {

// Rounds halves to the even neighbour whatever the floating-point rounding mode is.
double roundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below; // exact for every double
    if (fraction != 0.5)
        return fraction < 0.5 ? below : below + 1;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

} // namespace

std::optional<SortKind> sortKindOf(const QString& sortType) {
    if (sortType == u"S")
        return SortKind::Text;
    if (sortType == u"D")
        return SortKind::Date;
    if (sortType == u"N")
        return SortKind::Number;
    return std::nullopt;
}

std::optional<double> sortValue(SortKind kind, QStringView text, const RegionalReader& reader) {
    text = text.left(SortReadLimit);
    if (kind == SortKind::Date) {
        // The reader gives the empty date the value of 30 December 1899, which real dates before it come under.
        if (std::all_of(text.begin(), text.end(), [](QChar c) { return c == u' '; }))
            return emptyValue(kind);
        return reader.date(text);
    }
    const std::optional<double> number = reader.number(text);
    return number ? std::optional(roundHalfEven(*number)) : std::nullopt;
}

double emptyValue(SortKind kind) {
    return kind == SortKind::Date ? -std::numeric_limits<double>::infinity() : 0.0;
}

} // namespace core
