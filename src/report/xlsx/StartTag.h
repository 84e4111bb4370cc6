#pragma once

#include <QString>

namespace report::xlsx::starttag {

// Edits of an element's start tag given as the text it has in its part. Everything else in the tag (prefixes,
// namespace declarations, other attributes, their quotes) stays as written.

// The tag with the attribute set to the value, added at the end when the tag lacks it.
QString withAttribute(QStringView tag, QStringView name, const QString& value);
QString withoutAttribute(QStringView tag, QStringView name);
// The tag of an element that closes itself, made into one that takes content.
QString opened(QStringView tag);

} // namespace report::xlsx::starttag
