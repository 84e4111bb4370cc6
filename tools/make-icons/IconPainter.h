#pragma once

#include <QImage>

namespace icons {

// Tallivo's icon at size × size pixels: rising bars on a blue tile, drawn on a 32-unit grid whose even
// coordinates fall on whole pixels at 16 pixels too.
QImage paintIcon(int size);

} // namespace icons
