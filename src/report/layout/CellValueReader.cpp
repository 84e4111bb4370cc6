#include "CellValueReader.h"

#include <QString>

namespace report {

namespace {

constexpr int NumericType = 5;
constexpr int CurrencyType = 6;
constexpr int DateType = 7;
constexpr int DateTimeType = 10;

// Days since 30 December 1899 of 1 January and 1 March 1900.
constexpr double FirstSerialDay = 2;
constexpr double FirstDayPastLeapQuirk = 61;

// Zip codes and the like: a number would lose the leading zero.
bool hasLeadingZero(const std::string& text) {
    return text.size() >= 2 && text[0] == '0' && text[1] >= '0' && text[1] <= '9';
}

bool isBlank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

} // namespace

ColumnKind columnKindOf(int fieldType) {
    switch (fieldType) {
    case NumericType:
    case CurrencyType:
        return ColumnKind::Number;
    case DateType:
    case DateTimeType:
        return ColumnKind::Date;
    default:
        return ColumnKind::Text;
    }
}

CellValueReader::CellValueReader(const QLocale& locale) : m_reader(locale) {}

CellValue CellValueReader::read(ColumnKind kind, const std::string& text) const {
    if (text.empty())
        return {};
    const CellValue asText{CellValue::Kind::Text};
    // The regional reader takes spaces alone for an empty cell, worth 0; the sheet shows them as they are.
    if (kind == ColumnKind::Text || isBlank(text))
        return asText;
    const QString cell = QString::fromStdString(text);
    if (kind == ColumnKind::Number) {
        const std::optional<double> number = hasLeadingZero(text) ? std::nullopt : m_reader.number(cell);
        return number ? CellValue{CellValue::Kind::Number, *number} : asText;
    }
    const std::optional<double> days = m_reader.date(cell);
    const std::optional<double> serial = days ? dateSerial(*days) : std::nullopt;
    return serial ? CellValue{CellValue::Kind::Date, *serial} : asText;
}

std::optional<double> dateSerial(double days) {
    if (days < FirstSerialDay)
        return std::nullopt;
    return days < FirstDayPastLeapQuirk ? days - 1 : days;
}

} // namespace report
