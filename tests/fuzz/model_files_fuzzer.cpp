// Arbitrary bytes as a record-list file, as the editor settings and as the
// test-play settings. A load either fails and leaves the target as it was,
// or succeeds, and then saving, loading and saving again gives the same bytes.
#include <unistd.h>

#include <cstdint>
#include <string>

#include "model/settings.h"
#include "tests/support/sample_record.h"
#include "tests/support/seams.h"

namespace {

const std::string& InputPath() {
    static const std::string path = "fuzz_model_" + std::to_string(getpid()) + ".dat";
    return path;
}
const std::string& SavedPath() {
    static const std::string path = "fuzz_model_" + std::to_string(getpid()) + "_saved.dat";
    return path;
}

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

// Saves `record`, loads the file into a fresh one and saves that: both files
// must be the same bytes.
template <class T>
void CheckStable(T& record) {
    Check(record.SaveFile(SavedPath().c_str()) == 1);
    const std::string first = ReadFileBytes(SavedPath().c_str());
    T again;
    Check(again.LoadFile(SavedPath().c_str()) == 1);
    Check(again.SaveFile(SavedPath().c_str()) == 1);
    Check(ReadFileBytes(SavedPath().c_str()) == first);
}

template <class T>
void FuzzRecord(const T& fresh) {
    T record;
    record.CopyFrom(fresh);
    if (record.LoadFile(InputPath().c_str()))
        CheckStable(record);
    else
        Check(record.Compare(fresh) == 1);
}

void FuzzRecordList() {
    VECTOR_CLASS<cSampleRecord> list(1);
    list[0] = cSampleRecord::Filled(3);
    if (!LoadRecordList(list, InputPath().c_str())) {
        Check(list.size() == 1 && list[0].Compare(cSampleRecord::Filled(3)) == 1);
        return;
    }
    Check(SaveRecordList(list, SavedPath().c_str()) == 1);
    const std::string first = ReadFileBytes(SavedPath().c_str());
    VECTOR_CLASS<cSampleRecord> again;
    Check(LoadRecordList(again, SavedPath().c_str()) == 1);
    Check(again.size() == list.size());
    Check(SaveRecordList(again, SavedPath().c_str()) == 1);
    Check(ReadFileBytes(SavedPath().c_str()) == first);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!WriteFileBytes(InputPath().c_str(), std::string(reinterpret_cast<const char*>(data), size))) return 0;
    FuzzRecordList();
    static const cEditConfig freshConfig;
    FuzzRecord(freshConfig);
    static const cTestPlay freshTestPlay;
    FuzzRecord(freshTestPlay);
    return 0;
}
