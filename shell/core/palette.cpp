#include "palette.h"

#include <cmath>

namespace tavolux::shell {

namespace {

// The saturated colour of a hue from 0 (red) up to 1 (red again).
void HueColor(double hue, double rgb[3]) {
    const double sector = hue * 6;
    const int whole = static_cast<int>(std::floor(sector)) % 6;
    const double rising = sector - std::floor(sector), falling = 1 - rising;
    const double table[6][3] = {{1, rising, 0},  {falling, 1, 0}, {0, 1, rising},
                                {0, falling, 1}, {rising, 0, 1},  {1, 0, falling}};
    for (int i = 0; i < 3; ++i) rgb[i] = table[whole][i];
}

}  // namespace

QImage MakePaletteImage() {
    QImage image(kPaletteWidth, kPaletteHeight, QImage::Format_RGB32);
    image.fill(kPaletteBorderColor);
    const int width = kPaletteWidth - 2 * kPaletteBorder;
    const int height = kPaletteHeight - 2 * kPaletteBorder;
    for (int x = 0; x < width; ++x) {
        double rgb[3];
        HueColor(static_cast<double>(x) / width, rgb);
        for (int y = 0; y < height; ++y) {
            const double toGrey = static_cast<double>(y) / (height - 1);
            int c[3];
            for (int i = 0; i < 3; ++i) {
                c[i] = static_cast<int>(
                    std::lround(255 * rgb[i] * (1 - toGrey) + kPaletteGrey * toGrey));
            }
            image.setPixel(kPaletteBorder + x, kPaletteBorder + y, qRgb(c[0], c[1], c[2]));
        }
    }
    return image;
}

}  // namespace tavolux::shell
