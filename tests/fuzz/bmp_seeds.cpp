// Bitmaps of every depth, row order and header form the loader accepts.
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
    return seeds;
}
