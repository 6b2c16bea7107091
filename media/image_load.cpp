// PNG and BMP files into 24-bit surfaces, and the masks built from them.
#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <string>

#include "base/file.h"
#include "base/paths.h"
#include "base/report.h"
#include "media/bmp_format.h"
#include "media/dib.h"

namespace {

const char kCannotRead[] = "%s が読み込めません！";
const char kBadDepth[] = "%s (%dbit)の読み込みに失敗しました！\n8bit,24bit,32bit以外のカラーには対応していません。";
const char kBadFile[] = "%s が読み込めません！\nファイルが不正、もしくは対応していない形式です。";

// What the PNG reader holds between setjmp and a libpng error: it lives in
// the caller's frame, so a longjmp cannot lose it.
struct cPngRead {
    FILE* file = nullptr;
    png_structp png = nullptr;
    png_infop info = nullptr;
    png_bytepp rows = nullptr;
    png_uint_32 rowCount = 0;
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int bitsPerPixel = 0;

    void FreeRows() {
        if (!rows) return;
        for (png_uint_32 y = 0; y < rowCount; ++y) png_free(png, rows[y]);
        png_free(png, rows);
        rows = nullptr;
        rowCount = 0;
    }
    void Destroy() {
        if (png) {
            FreeRows();
            png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
        }
        png = nullptr;
        info = nullptr;
        if (file) std::fclose(file);
        file = nullptr;
    }
};

// Reads the whole image into rows of 8-bit samples in blue, green, red
// (alpha) order; 0 when libpng reported an error.
int ReadPngRows(cPngRead* r) {
    r->png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!r->png) return 0;
    r->info = png_create_info_struct(r->png);
    if (!r->info) return 0;
    if (setjmp(png_jmpbuf(r->png))) return 0;

    png_init_io(r->png, r->file);
    png_read_info(r->png, r->info);
    int depth = 0, colorType = 0;
    png_get_IHDR(r->png, r->info, &r->width, &r->height, &depth, &colorType, nullptr, nullptr, nullptr);
    png_set_strip_16(r->png);
    png_set_gray_to_rgb(r->png);
    png_set_expand(r->png);
    png_set_bgr(r->png);
    double fileGamma = 0;
    if (!png_get_gAMA(r->png, r->info, &fileGamma)) fileGamma = 0.45455;
    png_set_gamma(r->png, 2.2, fileGamma);
    png_read_update_info(r->png, r->info);
    png_get_IHDR(r->png, r->info, &r->width, &r->height, &depth, &colorType, nullptr, nullptr, nullptr);
    const png_size_t rowBytes = png_get_rowbytes(r->png, r->info);

    r->rows = static_cast<png_bytepp>(png_malloc(r->png, sizeof(png_bytep) * r->height));
    for (png_uint_32 y = 0; y < r->height; ++y) {
        r->rows[y] = static_cast<png_bytep>(png_malloc(r->png, rowBytes));
        r->rowCount = y + 1;
    }
    png_read_image(r->png, r->rows);
    png_read_end(r->png, nullptr);
    r->bitsPerPixel = png_get_channels(r->png, r->info) * depth;
    return 1;
}

}  // namespace

int cDib::LoadPng(const char* fileName, const cImageLoadParam* param, int report) {
    cPngRead r;
    r.file = std::fopen(fileName, "rb");
    if (!r.file) {
        if (report) ErrorBoxPrintf(kCannotRead, fileName);
        return 0;
    }
    png_byte signature[8] = {};
    if (std::fread(signature, 1, 8, r.file) != 8 || png_sig_cmp(signature, 0, 8)) {
        r.Destroy();
        ErrorBoxPrintf("%s はpngファイルではありません！", fileName);
        return 0;
    }
    std::fseek(r.file, 0, SEEK_SET);

    if (!ReadPngRows(&r)) {
        r.Destroy();
        ErrorBoxPrintf(kBadFile, fileName);
        return 0;
    }
    std::fclose(r.file);
    r.file = nullptr;

    if (r.bitsPerPixel != 8 && r.bitsPerPixel != 24 && r.bitsPerPixel != 32) {
        r.Destroy();
        ErrorBoxPrintf(kBadDepth, fileName, r.bitsPerPixel);
        return 0;
    }
    m_bAlphaSource = r.bitsPerPixel == 32 ? 1 : 0;
    if (!Create(static_cast<int>(r.width), static_cast<int>(r.height), param->nBpp, param->bMask)) {
        r.Destroy();
        ErrorBoxPrintf("%s の作成に失敗しました！", fileName);
        return 0;
    }
    if (param->nBpp != 24) {
        r.Destroy();
        ECMSP("24bitDIB以外は未対応");
        return 0;
    }

    GdiFlush();
    for (png_uint_32 y = 0; y < r.height; ++y) {
        const png_bytep s = r.rows[y];
        BYTE* d = Row(static_cast<int>(y));
        if (r.bitsPerPixel == 24) {
            std::memcpy(d, s, static_cast<size_t>(r.width) * 3);
            continue;
        }
        for (png_uint_32 x = 0; x < r.width; ++x, d += 3) {
            if (r.bitsPerPixel == 8) {
                d[0] = d[1] = d[2] = s[x];
                continue;
            }
            const png_bytep p = s + 4 * x;
            if (p[3] == 0) {
                d[0] = d[1] = d[2] = 0;
            } else if (p[0] == 0 && p[1] == 0 && p[2] == 0) {
                // Black would read as transparent in the mask.
                d[0] = 1, d[1] = 0, d[2] = 0;
            } else {
                d[0] = p[0], d[1] = p[1], d[2] = p[2];
            }
        }
    }
    r.Destroy();
    return 1;
}

int cDib::LoadBmp(const char* fileName, const cImageLoadParam* param, int report) {
    // A file larger than the process can hold is a file that cannot be read.
    std::string bytes;
    int failure = FILE_READ_UNREADABLE;
    if (!FileReadAll(fileName, &bytes, ~0ull, &failure)) {
        if (report || failure == FILE_READ_NO_MEMORY) ErrorBoxPrintf(kCannotRead, fileName);
        return 0;
    }

    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    cBmpInfo info;
    switch (ParseBmpHeader(data, bytes.size(), &info)) {
    case BMP_OK: break;
    case BMP_NOT_BITMAP: ErrorBoxPrintf("%s はビットマップファイルではありません！", fileName); return 0;
    case BMP_BAD_DEPTH: ErrorBoxPrintf(kBadDepth, fileName, info.nBitCount); return 0;
    default: ErrorBoxPrintf(kBadFile, fileName); return 0;
    }
    if (!Create(info.nWidth, info.nHeight, param->nBpp, param->bMask)) {
        ErrorBoxPrintf(kCannotRead, fileName);
        return 0;
    }
    if (param->nBpp != 24) {
        ErrorBoxPrintf("24bitDIB以外には未対応！ %s", fileName);
        return 0;
    }
    GdiFlush();
    DecodeBmpPixels(data, info, m_pBits, GetStride());
    m_bAlphaSource = 0;
    return 1;
}

int cDib::BuildMask() {
    if (!m_pMaskBits || !m_pBits) return 0;
    GdiFlush();
    const int bytes = m_nBpp / 8;
    for (int y = 0; y < m_nHeight; ++y) {
        BYTE* p = Row(y);
        BYTE* m = MaskRow(y);
        for (int x = 0; x < m_nWidth; ++x, p += bytes, m += bytes) {
            const bool clear = m_bAlphaSource ? (p[0] == 0 && p[1] == 0 && p[2] == 0) : IsTransparentPixel(p);
            std::memset(m, clear ? 0xFF : 0x00, bytes);
            // Masked copies OR the image in: its transparent pixels must be black.
            if (clear && !m_bAlphaSource) p[0] = p[1] = p[2] = 0;
        }
    }
    return 1;
}

int cDib::LoadImage(const cImageLoadParam* param) {
    const char* name = param->szFileName;
    if (std::strcmp(name, "E") == 0) {
        if (!Create(param->nWidth, param->nHeight, param->nBpp, param->bMask)) {
            ErrorBoxPrintf(kCannotRead, name);
            return 0;
        }
        return 1;
    }

    char path[MAX_PATH];
    if (IsExtension(name, "*")) {
        // A file that is there names its own fault; only when neither is
        // there is the image missing.
        ReplaceExtension(path, name, "png");
        const bool png = FileExists(path) != 0;
        if (!png || !LoadPng(path, param, 1)) {
            ReplaceExtension(path, name, "bmp");
            const bool bmp = FileExists(path) != 0;
            if (!bmp || !LoadBmp(path, param, 1)) {
                if (param->bOptional) return 1;
                if (png || bmp) return 0;
                ReplaceExtension(path, name, "png(または.bmp)");
                ErrorBoxPrintf("%s が見つかりません！", path);
                return 0;
            }
        }
    } else if (IsExtension(name, "png")) {
        if (!LoadPng(name, param, 1)) return 0;
    } else {
        if (!LoadBmp(name, param, 1)) return 0;
    }
    if (param->bMask) BuildMask();
    return 1;
}

int cDib::LoadImageFile(const char* fileName, int bpp, int mask) {
    cImageLoadParam param = {};
    std::snprintf(param.szFileName, sizeof(param.szFileName), "%s", fileName);
    param.nBpp = bpp;
    param.bMask = mask;
    return LoadImage(&param);
}
