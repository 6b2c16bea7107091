// Valid record-list files of several versions and the settings files of
// every layout.
#include "base/editor_settings.h"
#include "tests/fuzz/seeds.h"
#include "tests/support/sample_record.h"
#include "tests/support/settings_files.h"

ORR_SEEDS(fuzz_model_files) {
    std::vector<std::string> seeds;
    for (int version : {270, 150, 99}) {
        for (int count : {0, 1, 3}) {
            VECTOR_CLASS<cSampleRecord> list;
            for (int i = 0; i < count; ++i) list.push_back(cSampleRecord::Filled(i + count));
            seeds.push_back(Stored(version, [&](HANDLE file) { WriteRecordVector(list, file); }));
        }
    }
    for (uint32_t version : {270u, 106u, 105u, 76u, 73u, 25u})
        seeds.push_back(EditConfigFile(version, "data\\stg\\a.stg"));
    cEditConfig config;
    config.ChipWnd.Set(-5, 99999, 10, 10);
    seeds.push_back(Stored(270, [&](HANDLE file) { config.Save(file); }));
    for (uint32_t version : {270u, 221u, 220u}) seeds.push_back(TestPlayFile(version));
    return seeds;
}
