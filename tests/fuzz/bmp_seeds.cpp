// Bitmaps of every depth, row order and header form the loader accepts, a
// full palette and the bit-field form of 32 bits.
#include "tests/fuzz/seeds.h"
#include "tests/media/bmp_fixture.h"

ORR_SEEDS(fuzz_bmp) {
    std::vector<std::string> seeds;
    for (int bits : {8, 24, 32})
        for (int height : {3, -2}) {
            cBmpFixture f;
            f.bitCount = bits;
            f.width = 3;
            f.height = height;
            f.paletteCount = bits == 8 ? 5 : 0;
            f.headerSize = height < 0 ? 124 : 40;
            seeds.push_back(f.Bytes());
        }
    cBmpFixture full;
    full.bitCount = 8;
    full.width = full.height = 3;
    seeds.push_back(full.Bytes());  // 256 entries: the largest seed
    // The masks follow the 40-byte header, where the pixels would start.
    cBmpFixture fields;
    fields.bitCount = 32;
    fields.width = fields.height = 3;
    fields.compression = 3;
    fields.gap = 12;
    std::string bytes = fields.Bytes();
    bytes.replace(54, 12, std::string("\0\0\xff\0\0\xff\0\0\xff\0\0\0", 12));
    seeds.push_back(bytes);
    return seeds;
}
