#include "DefinitionValues.h"

#include <cmath>

namespace core::definition {

namespace {

constexpr int WhiteColour = 0xFFFFFF;

} // namespace

std::optional<bool> readFlag(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (const std::optional<int> number = readWhole(trimmed))
        return *number != 0;
    return std::nullopt;
}

std::optional<int> readWhole(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

std::optional<int> readColour(const QString& text) {
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return value < 0 || value > WhiteColour ? 0 : static_cast<int>(value);
}

std::optional<double> readSize(const QString& text) {
    QString point = text.trimmed();
    point.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double size = point.toDouble(&ok);
    return ok && std::isfinite(size) && size > 0 ? std::optional(size) : std::nullopt;
}

std::optional<int> readColumnLetters(const QString& text) {
    const QString letters = text.trimmed().toUpper();
    if (letters.isEmpty() || letters.size() > 2)
        return std::nullopt;
    int column = 0;
    for (const QChar letter : letters) {
        if (letter < QLatin1Char('A') || letter > QLatin1Char('Z'))
            return std::nullopt;
        column = column * 26 + (letter.unicode() - u'A' + 1);
    }
    return column;
}

} // namespace core::definition
