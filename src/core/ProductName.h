#pragma once

#include <QString>

namespace core {

// The product name: window captions, message box titles, the aux command's name.
inline const QString ProductName = QStringLiteral("Tallivo");

} // namespace core
