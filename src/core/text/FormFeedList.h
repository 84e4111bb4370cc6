#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

namespace core {

// The separator of every stored list: definition lists end each element with it, the stored users are joined by it.
inline constexpr QChar FormFeed(12);

// The elements of a definition list; a missing final form feed keeps the last element.
QStringList readList(const QString& stored);
// Each element followed by a form feed.
QString writeList(const QStringList& elements);

} // namespace core
