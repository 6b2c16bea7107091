// Seed files for the fuzzers: each fuzzer's seed source defines
//
//   ORR_SEEDS(fuzz_name) { return {file_bytes_1, file_bytes_2}; }
//
// and the seed writer (seeds_main.cpp) stores them in corpus/fuzz_name/.
#pragma once

#include <string>
#include <vector>

#include "base/serial.h"

typedef std::vector<std::string> (*SeedFunction)();

struct cSeedEntry {
    const char* fuzzer;
    SeedFunction seeds;
};

inline std::vector<cSeedEntry>& SeedRegistry() {
    static std::vector<cSeedEntry> entries;
    return entries;
}

struct cSeedRegistrar {
    cSeedRegistrar(const char* fuzzer, SeedFunction seeds) { SeedRegistry().push_back({fuzzer, seeds}); }
};

#define ORR_SEEDS(fuzzer)                                                           \
    static std::vector<std::string> Seeds_##fuzzer();                               \
    static const cSeedRegistrar g_seedRegistrar_##fuzzer(#fuzzer, &Seeds_##fuzzer); \
    static std::vector<std::string> Seeds_##fuzzer()

// The file as this program would have written it in `version`: the version
// word, then what `write` stores with that version's layout.
template <class Write>
std::string Stored(int version, Write write) {
    const int current = g_nDataVersion;
    g_nDataVersion = version;
    HANDLE file = FileCreateMemory();
    FileWrite(file, &g_nDataVersion, 4);
    write(file);
    std::string bytes = FileMemoryBytes(file);
    FileClose(&file);
    g_nDataVersion = current;
    return bytes;
}

// A record-list file as this program would have written it in `version`.
template <class T>
std::string StoredList(int version, VECTOR_CLASS<T>& list) {
    return Stored(version, [&](HANDLE file) { WriteRecordVector(list, file); });
}
