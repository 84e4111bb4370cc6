#include "IconPainter.h"

#include <QLinearGradient>
#include <QPainter>

namespace icons {

namespace {

constexpr double Grid = 32;
constexpr double CornerRadius = 6;
constexpr double BarWidth = 4;
constexpr double Baseline = 26;
// The rule under the bars, wider than they are by one bar gap on each side.
constexpr QRectF Rule(6, Baseline, 20, 2);
constexpr QRgb White = 0xffffffff;
// Left edge, top and colour of each bar, rising to the right to the total in amber.
constexpr struct {
    double left;
    double top;
    QRgb colour;
} Bars[] = {{8, 18, White}, {14, 12, White}, {20, 6, 0xfff5b041}};

} // namespace

QImage paintIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / Grid, size / Grid);
    painter.setPen(Qt::NoPen);

    QLinearGradient tile(0, 0, 0, Grid);
    tile.setColorAt(0, QColor(0x2e, 0x86, 0xc1));
    tile.setColorAt(1, QColor(0x1b, 0x4f, 0x72));
    painter.setBrush(tile);
    painter.drawRoundedRect(QRectF(0, 0, Grid, Grid), CornerRadius, CornerRadius);

    for (const auto& bar : Bars) {
        painter.setBrush(QColor::fromRgba(bar.colour));
        painter.drawRect(QRectF(bar.left, bar.top, BarWidth, Baseline - bar.top));
    }
    painter.setBrush(QColor::fromRgba(White));
    painter.drawRect(Rule);
    return image;
}

} // namespace icons
