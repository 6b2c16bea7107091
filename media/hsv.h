// Colour conversion between RGB bytes and hue (degrees), saturation and value (0 to 255).
#pragma once

void RgbToHsv(unsigned char red, unsigned char green, unsigned char blue, short* hue, short* saturation, short* value);
// For a hue outside 0 to 359 (and a saturation above 0) the outputs are left as they were.
void HsvToRgb(short hue, short saturation, short value, unsigned char* red, unsigned char* green, unsigned char* blue);
