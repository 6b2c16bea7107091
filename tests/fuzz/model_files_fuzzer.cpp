// Arbitrary bytes as a record-list file, as the editor settings and as the
// test-play settings. A load either fails and leaves the target as it was,
// or succeeds, and then saving, loading and saving again gives the same bytes.
#include <cstdint>
#include <string>

#include "base/editor_settings.h"
#include "tests/fuzz/fuzz_options.h"
#include "tests/fuzz/list_fuzz.h"
#include "tests/support/sample_record.h"

namespace {

template <class T>
void FuzzRecord(const T& fresh) {
    T record;
    if (FuzzLoadRecord(record, fresh)) FuzzRecordStable(record);
}

void FuzzRecordList() {
    static const cSampleRecord filled = cSampleRecord::Filled(3);
    VECTOR_CLASS<cSampleRecord> list(1);
    list[0] = filled;
    if (!LoadRecordListFrom(list, FuzzOpenInput())) {
        FuzzCheck(list.size() == 1 && list[0].Compare(filled) == 1);
        return;
    }
    const std::string first = FuzzSaved([&](HANDLE file) { WriteRecordVector(list, file); });
    VECTOR_CLASS<cSampleRecord> again;
    FuzzCheck(LoadRecordListFrom(again, OpenDataBytes(first)) == 1);
    FuzzCheck(again.size() == list.size());
    FuzzCheck(FuzzSaved([&](HANDLE file) { WriteRecordVector(again, file); }) == first);
}

}  // namespace

// The largest seed, a record list, is about 0.5 KB.
ORR_FUZZ_OPTIONS(600)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SetFuzzInput(data, size);
    FuzzRecordList();
    static const cEditConfig freshConfig;
    FuzzRecord(freshConfig);
    static const cTestPlay freshTestPlay;
    FuzzRecord(freshTestPlay);
    return 0;
}
