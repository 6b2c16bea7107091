// Arbitrary bytes as a skill CSV file: reading never leaves the bytes, every
// row has a cell, and a file the import takes gives skills whose export reads
// back as the same skills from the second round on (the first round may trim
// a cut text or round a decimal).
#include <cstdint>

#include "base/platform.h"
#include "database/skills/skill_csv.h"
#include "tests/fuzz/fuzz_options.h"
#include "tests/fuzz/list_fuzz.h"

// Room for the seeds, a file of three skills of about 1.5 KB, and then some.
ORR_FUZZ_OPTIONS(4096)

namespace {

const char kKind[] = "スキル01";

// The skills a table of their own export gives, or false when they cannot be written.
bool RoundTrip(const VECTOR_CLASS<cSkill>& skills, VECTOR_CLASS<cSkill>* back) {
    CsvTable table;
    if (!BuildSkillCsvTable(&table, skills, SkillCsvColumns, kKind)) return false;
    CsvTable read;
    ParseCsvText(FormatCsvText(table), &read);
    back->assign(skills.size(), cSkill());
    FuzzCheck(ImportSkillCsvTable(*back, read, SkillCsvColumns, kKind) == 1);
    return true;
}

bool SameSkills(const VECTOR_CLASS<cSkill>& a, const VECTOR_CLASS<cSkill>& b) {
    for (size_t i = 0; i < a.size(); ++i)
        if (!a[i].Compare(b[i])) return false;
    return a.size() == b.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = [] {
        SetMessageBoxSink([](HWND, const char*, const char*, unsigned) { return IDOK; });
        BuildSkillCsvColumns();
        return true;
    }();
    (void)ready;
    CsvTable table;
    ParseCsvText(std::string(reinterpret_cast<const char*>(data), size), &table);
    for (const CsvRow& row : table) FuzzCheck(!row.empty());

    VECTOR_CLASS<cSkill> skills(4);
    const VECTOR_CLASS<cSkill> fresh = skills;
    if (!ImportSkillCsvTable(skills, table, SkillCsvColumns, kKind)) {
        FuzzCheck(SameSkills(skills, fresh));
        return 0;
    }
    VECTOR_CLASS<cSkill> once, twice;
    if (!RoundTrip(skills, &once)) return 0;  // a text with a carriage return
    FuzzCheck(RoundTrip(once, &twice));
    FuzzCheck(SameSkills(once, twice));
    return 0;
}
