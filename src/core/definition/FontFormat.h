#pragma once

#include <QString>

namespace core {

// A font of a title, a sub-total row or one of its cells. Colours are the Windows 0x00BBGGRR value.
struct FontFormat {
    QString name;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeThru = false;
    int colour = 0;
    double size = 8;

    bool operator==(const FontFormat&) const = default;
};

} // namespace core
