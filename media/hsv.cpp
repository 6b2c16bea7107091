#include "media/hsv.h"

void RgbToHsv(unsigned char red, unsigned char green, unsigned char blue, short* hue, short* saturation, short* value) {
    const int r = red, g = green, b = blue;
    int max = r > g ? r : g;
    if (b > max) max = b;
    int min = r < g ? r : g;
    if (b < min) min = b;
    if (max == 0) max = 1;
    int delta = max - min;
    if (delta == 0) delta = 1;
    const double rr = static_cast<double>(max - r) / delta;
    const double rg = static_cast<double>(max - g) / delta;
    const double rb = static_cast<double>(max - b) / delta;
    double h;
    if (max == r)
        h = rb - rg;
    else if (max == g)
        h = 2 + rr - rb;
    else
        h = 4 + rg - rr;
    int degrees = static_cast<int>(h * 60);
    if (degrees < 0) degrees += 360;
    *hue = static_cast<short>(degrees);
    *saturation = static_cast<short>(delta * 255 / max);
    *value = static_cast<short>(max);
}

void HsvToRgb(short hue, short saturation, short value, unsigned char* red, unsigned char* green, unsigned char* blue) {
    if (saturation == 0) {
        *red = *green = *blue = static_cast<unsigned char>(value);
        return;
    }
    // Integer division would put small negative hues into sector 0.
    if (hue < 0) return;
    const int i = hue / 60;
    const double f = hue / 60.0 - i;
    const double s = saturation / 255.0;
    const auto p = static_cast<unsigned char>(static_cast<int>(value * (1 - s)));
    const auto q = static_cast<unsigned char>(static_cast<int>(value * (1 - s * f)));
    const auto t = static_cast<unsigned char>(static_cast<int>(value * (1 - s * (1 - f))));
    const auto v = static_cast<unsigned char>(value);
    switch (i) {
    case 0: *red = v, *green = t, *blue = p; break;
    case 1: *red = q, *green = v, *blue = p; break;
    case 2: *red = p, *green = v, *blue = t; break;
    case 3: *red = p, *green = q, *blue = v; break;
    case 4: *red = t, *green = p, *blue = v; break;
    case 5: *red = v, *green = p, *blue = q; break;
    default: break;
    }
}
