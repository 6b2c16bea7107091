// Arbitrary bytes as a bitmap file: the header check must keep the pixel
// decoder inside the bytes, whatever the fields say.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "media/bmp_format.h"
#include "tests/fuzz/fuzz_options.h"

// The largest seed, an 8-bit bitmap with a full palette, is 1,090 bytes.
ORR_FUZZ_OPTIONS(1200)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    cBmpInfo info;
    if (ParseBmpHeader(data, size, &info) != BMP_OK) return 0;
    const ptrdiff_t stride = static_cast<ptrdiff_t>(info.nWidth) * 3;
    std::vector<uint8_t> pixels(static_cast<size_t>(stride) * info.nHeight);
    DecodeBmpPixels(data, info, pixels.data(), stride);
    return 0;
}
