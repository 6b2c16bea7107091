// BenchModel [records]: saves and loads a large record-list file (100,000
// records unless given; 1 to 1,600,000) and prints the rates next to the rate
// of one plain read of the same bytes, of a copy of the loaded list (the
// allocations alone), and of a load that reads every field from the disk file
// itself (over the first 100,000 records). The files are written into a new
// temporary folder, removed afterwards. The exit code is 1 when no such folder
// could be made, a save or a load failed or the list read back differs, 2 for
// a count out of range.
//
// No more than one list is held at a time (with the file's bytes while it
// loads), so that the largest count fits the 32-bit program's memory.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/serial.h"
#include "tests/support/sample_record.h"
#include "tools/bench/bench_timing.h"
#include "tools/bench/scratch_folder.h"

namespace {

enum { DEFAULT_COUNT = 100000, MAX_COUNT = 16 * DEFAULT_COUNT, DIRECT_COUNT = DEFAULT_COUNT };

// The list as the benchmark writes it, record `i` filled from `i`.
int SaveFilled(int count, const char* path) {
    VECTOR_CLASS<cSampleRecord> list;
    list.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) list.push_back(cSampleRecord::Filled(i));
    return SaveRecordList(list, path);
}

// The records read back are those written: the count, and the first, a middle
// and the last record.
bool ReadBack(const VECTOR_CLASS<cSampleRecord>& list, int count) {
    if (list.size() != static_cast<size_t>(count)) return false;
    for (int i : {0, count / 2, count - 1})
        if (!list[static_cast<size_t>(i)].Compare(cSampleRecord::Filled(i))) return false;
    return true;
}

// A copy of every record of `list` and the freeing of it, one sixteenth of
// the list at a time, so that the copy never holds a second whole list.
double CopyInParts(const VECTOR_CLASS<cSampleRecord>& list) {
    const size_t part = list.size() / 16 + 1;
    double seconds = 0;
    for (size_t first = 0; first < list.size(); first += part) {
        const size_t last = std::min(list.size(), first + part);
        seconds += Best(1, [&] {
            VECTOR_CLASS<cSampleRecord> copied(list.begin() + static_cast<std::ptrdiff_t>(first),
                                               list.begin() + static_cast<std::ptrdiff_t>(last));
        });
    }
    return seconds;
}

// Every field read by a system call of its own, from the disk file.
int LoadFromDisk(const char* path, int count) {
    HANDLE file;
    if (!FileOpenRead(&file, path)) return 0;
    uint32_t version = 0;
    FileRead(file, &version, 4);
    g_nFileVersion = version;
    VECTOR_CLASS<cSampleRecord> fields;
    const int ok = ReadRecordVector(fields, file) && fields.size() == static_cast<size_t>(count);
    FileClose(&file);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : DEFAULT_COUNT;
    if (count < 1 || count > MAX_COUNT) {
        std::printf("BenchModel [records]: 1 to %d records (%d unless given)\n", MAX_COUNT, DEFAULT_COUNT);
        return 2;
    }
    const cScratchFolder scratch("bench_model");
    if (!scratch.Enter()) {
        std::printf("cannot make a temporary folder\n");
        return 1;
    }
    const char* path = "bench_model.dat";
    const char* directPath = "bench_model_direct.dat";
    int ok = 1;
    double save;
    {
        VECTOR_CLASS<cSampleRecord> list;
        list.reserve(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i) list.push_back(cSampleRecord::Filled(i));
        save = Best(3, [&] { ok &= SaveRecordList(list, path); });
    }
    const int direct = std::min(count, static_cast<int>(DIRECT_COUNT));
    ok &= SaveFilled(direct, directPath);
    std::string bytes;
    ok &= FileReadAll(path, &bytes);
    const double size = static_cast<double>(bytes.size());
    std::string directBytes;
    ok &= FileReadAll(directPath, &directBytes);
    const double directSize = static_cast<double>(directBytes.size());
    std::string().swap(bytes);
    std::printf("%d records, %.1f MB\n", count, size / 1e6);

    const double plain = Best(5, [&] {
        std::string all;
        ok &= FileReadAll(path, &all);
    });
    // Each load starts from an empty list: the one it replaces is freed first,
    // untimed, so that two lists are never held at once.
    VECTOR_CLASS<cSampleRecord> loaded;
    const double load = Best(
        3, [&] { VECTOR_CLASS<cSampleRecord>().swap(loaded); }, [&] { ok &= LoadRecordList(loaded, path); });
    const bool same = ReadBack(loaded, count);
    // What a load cannot go below: the same records' allocations, copies and
    // the freeing of them, without reading a byte.
    const double copy = CopyInParts(loaded);
    VECTOR_CLASS<cSampleRecord>().swap(loaded);
    const double fromDisk = Best(1, [&] { ok &= LoadFromDisk(directPath, direct); });

    PrintRate("plain read of the file", size, plain);
    PrintRate("LoadRecordList", size, load);
    PrintRate("copy of the loaded list", size, copy);
    char what[64];
    std::snprintf(what, sizeof(what), "field by field from disk (%d)", direct);
    PrintRate(what, directSize, fromDisk);
    PrintRate("SaveRecordList", size, save);
    std::printf("load / plain read: %.2f\n", plain / load);
    if (!ok) std::printf("a save or a load failed\n");
    if (!same) std::printf("the list read back differs from the one written\n");
    return ok && same ? 0 : 1;
}
