// Arbitrary bytes as a record-list file, as the editor settings and as the
// test-play settings. A load either fails and leaves the target as it was,
// or succeeds, and then saving, loading and saving again gives the same bytes.
#include <cstdint>
#include <string>

#include "base/editor_settings.h"
#include "tests/fuzz/list_fuzz.h"
#include "tests/support/sample_record.h"

namespace {

template <class T>
void FuzzRecord(const T& fresh) {
    T record;
    if (FuzzLoadRecord(record, fresh)) FuzzRecordStable(record);
}

void FuzzRecordList() {
    VECTOR_CLASS<cSampleRecord> list(1);
    list[0] = cSampleRecord::Filled(3);
    if (!LoadRecordList(list, FuzzInputPath().c_str())) {
        FuzzCheck(list.size() == 1 && list[0].Compare(cSampleRecord::Filled(3)) == 1);
        return;
    }
    FuzzCheck(SaveRecordList(list, FuzzSavedPath().c_str()) == 1);
    const std::string first = ReadFileBytes(FuzzSavedPath().c_str());
    VECTOR_CLASS<cSampleRecord> again;
    FuzzCheck(LoadRecordList(again, FuzzSavedPath().c_str()) == 1);
    FuzzCheck(again.size() == list.size());
    FuzzCheck(SaveRecordList(again, FuzzSavedPath().c_str()) == 1);
    FuzzCheck(ReadFileBytes(FuzzSavedPath().c_str()) == first);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!WriteFileBytes(FuzzInputPath().c_str(), std::string(reinterpret_cast<const char*>(data), size))) return 0;
    FuzzRecordList();
    static const cEditConfig freshConfig;
    FuzzRecord(freshConfig);
    static const cTestPlay freshTestPlay;
    FuzzRecord(freshTestPlay);
    return 0;
}
