#include "tools/imagefile/image_file.h"

#include <png.h>

#include <cstdio>
#include <cstring>

int WritePng(const char* path, const cPngLayout& layout) {
    FILE* file = std::fopen(path, "wb");
    if (!file) return 0;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        std::fclose(file);
        return 0;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, layout.nWidth, layout.nHeight, layout.nBitDepth, layout.nColorType,
                 layout.bInterlace ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_color palette[256];
    if (layout.pPalette) {
        for (int i = 0; i < layout.nPaletteCount; ++i)
            palette[i] = png_color{layout.pPalette[3 * i], layout.pPalette[3 * i + 1], layout.pPalette[3 * i + 2]};
        png_set_PLTE(png, info, palette, layout.nPaletteCount);
    }
    if (layout.nTrnsCount > 0) {
        png_color_16 color = {};
        color.gray = layout.trnsColor[0];
        color.red = layout.trnsColor[0];
        color.green = layout.trnsColor[1];
        color.blue = layout.trnsColor[2];
        png_set_tRNS(png, info, layout.pTrns, layout.nTrnsCount, layout.pTrns ? nullptr : &color);
    }
    if (layout.fGamma > 0) png_set_gAMA(png, info, layout.fGamma);
    png_write_info(png, info);
    const int passes = layout.bInterlace ? png_set_interlace_handling(png) : 1;
    for (int pass = 0; pass < passes; ++pass)
        for (int y = 0; y < layout.nHeight; ++y)
            png_write_row(png, const_cast<png_bytep>(layout.pPixels + y * layout.nStride));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

cPicture::cPicture(int width, int height, uint32_t rgb)
    : nWidth(width), nHeight(height), pixels(static_cast<size_t>(width) * height * 3) {
    FillRect(0, 0, width, height, rgb);
}

void cPicture::Set(int x, int y, uint32_t rgb) {
    if (x < 0 || y < 0 || x >= nWidth || y >= nHeight) return;
    uint8_t* p = At(x, y);
    p[0] = rgb & 0xFF;
    p[1] = (rgb >> 8) & 0xFF;
    p[2] = (rgb >> 16) & 0xFF;
}

uint32_t cPicture::Get(int x, int y) const {
    const uint8_t* p = &pixels[(static_cast<size_t>(y) * nWidth + x) * 3];
    return p[0] | (p[1] << 8) | (p[2] << 16);
}

void cPicture::FillRect(int x, int y, int w, int h, uint32_t rgb) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) Set(i, j, rgb);
}

void cPicture::Frame(int x, int y, int w, int h, uint32_t rgb) {
    FillRect(x, y, w, 1, rgb);
    FillRect(x, y + h - 1, w, 1, rgb);
    FillRect(x, y, 1, h, rgb);
    FillRect(x + w - 1, y, 1, h, rgb);
}

void cPicture::Number(int x, int y, int value, int scale, uint32_t rgb) {
    // 3 x 5 digits, one row of three bits per line, top line first.
    static const uint8_t kFont[10][5] = {
        {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 7, 1, 7}, {5, 5, 7, 1, 1},
        {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 1, 1, 1}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7},
    };
    char text[16];
    std::snprintf(text, sizeof(text), "%d", value < 0 ? -value : value);
    for (const char* c = text; *c; ++c, x += 4 * scale)
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 3; ++col)
                if (kFont[*c - '0'][row] & (4 >> col)) FillRect(x + col * scale, y + row * scale, scale, scale, rgb);
}

void cPicture::Disc(int cx, int cy, int radius, uint32_t rgb) {
    for (int y = -radius; y <= radius; ++y)
        for (int x = -radius; x <= radius; ++x)
            if (x * x + y * y <= radius * radius) Set(cx + x, cy + y, rgb);
}

int WritePicturePng(const char* path, const cPicture& picture) {
    std::vector<uint8_t> rgb(picture.pixels.size());
    for (size_t i = 0; i < rgb.size(); i += 3) {
        rgb[i] = picture.pixels[i + 2];
        rgb[i + 1] = picture.pixels[i + 1];
        rgb[i + 2] = picture.pixels[i];
    }
    cPngLayout layout;
    layout.nWidth = picture.nWidth;
    layout.nHeight = picture.nHeight;
    layout.pPixels = rgb.data();
    layout.nStride = static_cast<size_t>(picture.nWidth) * 3;
    return WritePng(path, layout);
}

int WritePictureBmp(const char* path, const cPicture& picture) {
    const uint32_t stride = (static_cast<uint32_t>(picture.nWidth) * 3 + 3) & ~3u;
    const uint32_t imageSize = stride * picture.nHeight;
    uint8_t header[54] = {'B', 'M'};
    auto put32 = [&header](int at, uint32_t v) {
        for (int i = 0; i < 4; ++i) header[at + i] = static_cast<uint8_t>(v >> (8 * i));
    };
    put32(2, 54 + imageSize);
    put32(10, 54);
    put32(14, 40);
    put32(18, picture.nWidth);
    put32(22, picture.nHeight);
    header[26] = 1;
    header[28] = 24;
    put32(34, imageSize);
    FILE* file = std::fopen(path, "wb");
    if (!file) return 0;
    std::fwrite(header, 1, sizeof(header), file);
    std::vector<uint8_t> row(stride, 0);
    for (int y = picture.nHeight - 1; y >= 0; --y) {
        std::memcpy(row.data(), &picture.pixels[static_cast<size_t>(y) * picture.nWidth * 3],
                    static_cast<size_t>(picture.nWidth) * 3);
        std::fwrite(row.data(), 1, stride, file);
    }
    return std::fclose(file) == 0;
}
