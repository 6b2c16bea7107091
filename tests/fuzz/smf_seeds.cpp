// Writes the seed corpus of the MIDI file fuzzer: small valid files of both formats.
#include <cstdio>
#include <string>
#include <vector>

#include "tests/media/smf_builder.h"

int main(int argc, char** argv) {
    if (argc < 2) return 1;
    const std::string dir = argv[1];
    const std::vector<Bytes> seeds = {
        Smf(0, 96, {{0x00, 0x90, 0x3C, 0x40, 0x60, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00}}),
        Smf(1, 480, {{0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0x00, 0xFF, 0x03, 0x01, 'a', 0x00, 0xFF, 0x2F, 0x00},
                     {0x00, 0xC0, 0x05, 0x00, 0xF0, 0x03, 0x7E, 0x7F, 0xF7, 0x10, 0x90, 0x40, 0x40, 0x10, 0x40,
                      0x00, 0x00, 0xFF, 0x2F, 0x00}}),
    };
    for (size_t i = 0; i < seeds.size(); ++i) {
        const std::string path = dir + "/seed" + std::to_string(i) + ".mid";
        FILE* fp = std::fopen(path.c_str(), "wb");
        if (!fp) return 1;
        std::fwrite(seeds[i].data(), 1, seeds[i].size(), fp);
        std::fclose(fp);
    }
    return 0;
}
