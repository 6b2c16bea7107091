// BenchModel [records]: saves and loads a large record-list file and prints
// the rates next to the rate of one plain read of the same bytes, of a copy
// of the loaded list (the allocations alone), and of a load that reads every
// field from the disk file itself.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/serial.h"
#include "tests/support/sample_record.h"
#include "tools/bench/bench_timing.h"

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    const char* path = "bench_model.dat";
    VECTOR_CLASS<cSampleRecord> list;
    list.reserve(count);
    for (int i = 0; i < count; ++i) list.push_back(cSampleRecord::Filled(i));

    const double save = Best(3, [&] {
        if (!SaveRecordList(list, path)) std::printf("save failed\n");
    });
    std::string bytes;
    FileReadAll(path, &bytes);
    const double size = static_cast<double>(bytes.size());
    std::printf("%d records, %.1f MB\n", count, size / 1e6);

    const double plain = Best(5, [&] {
        std::string all;
        if (!FileReadAll(path, &all)) std::printf("read failed\n");
    });
    VECTOR_CLASS<cSampleRecord> loaded;
    const double load = Best(3, [&] {
        if (!LoadRecordList(loaded, path)) std::printf("load failed\n");
    });
    const double direct = Best(1, [&] {
        HANDLE file;
        FileOpenRead(&file, path);
        uint32_t version;
        FileRead(file, &version, 4);
        g_nFileVersion = version;
        VECTOR_CLASS<cSampleRecord> fields;
        ReadRecordVector(fields, file);
        FileClose(&file);
    });
    if (loaded.size() != list.size() || !loaded.back().Compare(list.back())) std::printf("loaded list differs\n");
    // What a load cannot go below: the same records' allocations, copies and
    // the freeing of the list they replace, without reading a byte.
    const double copy = Best(3, [&] {
        VECTOR_CLASS<cSampleRecord> copied = loaded;
        copied.swap(loaded);
    });

    PrintRate("plain read of the file", size, plain);
    PrintRate("LoadRecordList", size, load);
    PrintRate("copy of the loaded list", size, copy);
    PrintRate("load field by field from disk", size, direct);
    PrintRate("SaveRecordList", size, save);
    std::printf("load / plain read: %.2f\n", plain / load);
    FileDelete(path);
    return 0;
}
