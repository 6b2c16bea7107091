// fuzz_seeds <corpus folder>: writes every fuzzer's seed files into
// <corpus folder>/<fuzzer>/seed_<n>.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tests/fuzz/seeds.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds <corpus folder>\n");
        return 2;
    }
    namespace fs = std::filesystem;
    int written = 0;
    for (const cSeedEntry& entry : SeedRegistry()) {
        const fs::path folder = fs::path(argv[1]) / entry.fuzzer;
        std::error_code error;
        fs::create_directories(folder, error);
        int n = 0;
        for (const std::string& bytes : entry.seeds()) {
            const fs::path file = folder / ("seed_" + std::to_string(n++));
            std::ofstream out(file, std::ios::binary | std::ios::trunc);
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            if (!out) {
                std::fprintf(stderr, "fuzz_seeds: cannot write %s\n", file.c_str());
                return 1;
            }
            ++written;
        }
    }
    std::printf("%d seed files for %d fuzzers\n", written, static_cast<int>(SeedRegistry().size()));
    return written > 0 ? 0 : 1;
}
