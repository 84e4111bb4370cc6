// Regional dates and numbers of data cells. The first byte picks the locale: month-first, day-first, year-first,
// comma decimals, space and apostrophe groups, Indian grouping, a currency after the number.
#include "FuzzSupport.h"

#include "core/locale/RegionalReader.h"

#include <array>
#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::array<core::RegionalReader, 8> readers{
        core::RegionalReader(QLocale::c()),
        core::RegionalReader(QLocale(QStringLiteral("en_US"))),
        core::RegionalReader(QLocale(QStringLiteral("de_DE"))),
        core::RegionalReader(QLocale(QStringLiteral("fr_FR"))),
        core::RegionalReader(QLocale(QStringLiteral("de_CH"))),
        core::RegionalReader(QLocale(QStringLiteral("hi_IN"))),
        core::RegionalReader(QLocale(QStringLiteral("ja_JP"))),
        core::RegionalReader(QLocale(QStringLiteral("ar_EG"))),
    };
    if (size == 0)
        return 0;
    const core::RegionalReader& reader = readers[data[0] % readers.size()];
    const QString text = QString::fromUtf8(fuzz::input(data + 1, size - 1));
    // A cell's value goes into the workbook as a number, which cannot be infinite or NaN.
    for (const std::optional<double> value : {reader.date(text), reader.number(text)})
        fuzz::require(!value || std::isfinite(*value), "a date or number read is finite");
    return 0;
}
