#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace report::xlsx {

// Appends UTF-8 text as the content of a cell's text: markup characters as references, a carriage return as one
// (a parser would read a raw one as a line feed), every character XML cannot hold as the spreadsheet's _xHHHH_
// and a literal _xHHHH_ with its underscore escaped, so that the text reads back exactly. Bytes that are not
// UTF-8 become U+FFFD.
void appendCellText(std::string& out, std::string_view text);

// Whether text holds only characters XML allows.
bool isXmlText(QStringView text);

// Text for an attribute value in double quotes. Characters XML cannot hold become U+FFFD.
QString escapedAttribute(QStringView text);

} // namespace report::xlsx
